#include "midi/sysex_messages.h"

#include <algorithm>
#include <charconv>

#include "bank/dt1_message.h"
#include "bank/sysex_format.h"

namespace orvanel {

std::vector<SysexMessage> SplitMessages(std::span<const std::uint8_t> bytes) {
  std::vector<SysexMessage> messages;
  for (auto start = std::find(bytes.begin(), bytes.end(), SysexStart); start != bytes.end();) {
    const auto next = std::find_if(start + 1, bytes.end(), [](std::uint8_t b) { return b == SysexEnd || b == SysexStart; });
    const auto end = next != bytes.end() && *next == SysexEnd ? next + 1 : next;
    messages.emplace_back(start, end);
    start = std::find(end, bytes.end(), SysexStart);
  }
  return messages;
}

std::vector<std::uint8_t> Dt1OfAtMost256(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t Framing = 10;  // eight header bytes, the checksum and F7
  std::vector<std::uint8_t> out;
  out.reserve(bytes.size());
  for (const SysexMessage message : SplitMessages(bytes)) {
    if (message.size() <= MaxDt1Data + Framing) {
      out.insert(out.end(), message.begin(), message.end());
    } else {
      const std::vector<std::uint8_t> pieces =
          Dt1Messages(LinearAddress(message[5], message[6], message[7]), message.subspan(8, message.size() - Framing),
                      message[2]);
      out.insert(out.end(), pieces.begin(), pieces.end());
    }
  }
  return out;
}

std::optional<std::uint8_t> ParseDeviceId(std::string_view text) {
  constexpr unsigned FirstUnit = 17;
  constexpr unsigned LastUnit = 32;
  unsigned unit = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), unit);
  if (error != std::errc() || end != text.data() + text.size() || unit < FirstUnit || unit > LastUnit) {
    return std::nullopt;
  }
  return static_cast<std::uint8_t>(DeviceId + (unit - FirstUnit));
}

void SetDeviceId(std::span<std::uint8_t> bytes, std::uint8_t device) {
  constexpr std::size_t DevicePosition = 2;
  for (const SysexMessage message : SplitMessages(bytes)) {
    if (message.size() > DevicePosition + 1) {
      bytes[static_cast<std::size_t>(message.data() - bytes.data()) + DevicePosition] = device;
    }
  }
}

}  // namespace orvanel
