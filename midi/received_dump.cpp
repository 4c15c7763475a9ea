#include "midi/received_dump.h"

#include <algorithm>

#include "bank/dt1_message.h"
#include "bank/sysex_format.h"

namespace orvanel {
namespace {

constexpr std::size_t HeaderSize = 8;
constexpr std::size_t Framing = HeaderSize + 2;  // the header, the checksum and F7

struct KindText {
  const char* one;
  const char* many;
};
// By ReceivedDump's Kind.
constexpr KindText KindTexts[] = {
    {"channel message (a note, controller or program)", "channel messages (notes, controllers, programs)"},
    {"system common message", "system common messages"},
    {"real-time message (clock, active sensing)", "real-time messages (clock, active sensing)"},
    {"SysEx message of another maker", "SysEx messages of other makers"},
    {"Roland SysEx message for another model", "Roland SysEx messages for other models"},
    {"JD-800 message other than DT1", "JD-800 messages other than DT1"},
    {"broken SysEx message", "broken SysEx messages"},
};

}  // namespace

bool IsRealTime(std::span<const std::uint8_t> message) { return !message.empty() && message.front() >= 0xF8; }

void ReceivedDump::Take(std::span<const std::uint8_t> message) {
  if (message.empty()) return;
  const std::uint8_t status = message.front();
  if (status != SysexStart) {
    ++ignored_[status < 0xF0 ? Channel : status < 0xF8 ? SystemCommon : RealTime];
  } else if (message.size() < 2 || message[1] != RolandId) {
    ++ignored_[message.size() < 2 ? Broken : OtherMaker];
  } else if (message.size() < 5) {
    ++ignored_[Broken];
  } else if (message[3] != Jd800ModelId) {
    ++ignored_[OtherModel];
  } else if (message[4] != DataSet1) {
    ++ignored_[NotDt1];
  } else {
    KeepDt1(message);
  }
}

void ReceivedDump::KeepDt1(std::span<const std::uint8_t> message) {
  const bool framed = message.size() > Framing && message.back() == SysexEnd &&
                      std::all_of(message.begin() + 1, message.end() - 1, [](std::uint8_t b) { return b < 0x80; });
  if (!framed) {
    ++ignored_[Broken];
    return;
  }
  const std::uint32_t address = LinearAddress(message[5], message[6], message[7]);
  const std::span<const std::uint8_t> data = message.subspan(HeaderSize, message.size() - Framing);
  if (address + data.size() > AddressSpaceSize) {
    ++ignored_[Broken];
    return;
  }
  const std::uint8_t checksum = message[message.size() - 2];
  const std::uint8_t expected = RolandChecksum(address, data);
  if (checksum != expected) {
    if (wrong_checksums_++ < MaxListedChecksums) {
      checksum_lines_.push_back("the DT1 message to " + FormatAddress(address) + ": checksum " + FormatByte(checksum) +
                                ", expected " + FormatByte(expected));
    }
    return;
  }
  kept_.insert(kept_.end(), message.begin(), message.end());
  ++kept_messages_;
  const std::uint32_t first = std::max(address, BankBaseAddress);
  const auto end = static_cast<std::uint32_t>(std::min<std::size_t>(address + data.size(), BankEndAddress));
  for (std::uint32_t at = first; at < end; ++at) bank_bytes_.set(at - BankBaseAddress);
}

std::vector<AddressRange> ReceivedDump::MissingFromBank() const {
  std::vector<AddressRange> missing;
  for (std::size_t i = 0; i < BankSize; ++i) {
    if (bank_bytes_.test(i)) continue;
    const auto address = static_cast<std::uint32_t>(BankBaseAddress + i);
    if (missing.empty() || missing.back().last + 1 != address) {
      missing.push_back({address, address});
    } else {
      missing.back().last = address;
    }
  }
  return missing;
}

std::vector<std::string> ReceivedDump::Ignored() const {
  static_assert(std::size(KindTexts) == KindCount);
  std::vector<std::string> lines;
  for (std::size_t kind = 0; kind < KindCount; ++kind) {
    if (ignored_[kind] == 0) continue;
    lines.push_back(std::to_string(ignored_[kind]) + " " +
                    (ignored_[kind] == 1 ? KindTexts[kind].one : KindTexts[kind].many));
  }
  lines.insert(lines.end(), checksum_lines_.begin(), checksum_lines_.end());
  if (wrong_checksums_ > MaxListedChecksums) {
    lines.push_back(std::to_string(wrong_checksums_ - MaxListedChecksums) + " more DT1 messages with wrong checksums");
  }
  return lines;
}

}  // namespace orvanel
