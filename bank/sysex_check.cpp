#include "bank/sysex_check.h"

#include <algorithm>
#include <cstdio>

#include "bank/patch_image.h"
#include "bank/patch_number.h"
#include "bank/patch_rules.h"
#include "bank/sysex_format.h"

namespace orvanel {

std::string FaultLine(const CheckFault& fault) {
  std::string line = fault.message != 0 ? "message " + std::to_string(fault.message) + ", " : std::string();
  return line + "offset " + std::to_string(fault.offset) + ": " + fault.text;
}

std::string FormatByte(unsigned byte) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", byte & 0xFFU);
  return text;
}

std::string FormatAddress(std::uint32_t address) {
  const auto bytes = AddressBytes(address);
  return FormatByte(bytes[0]) + " " + FormatByte(bytes[1]) + " " + FormatByte(bytes[2]);
}

void SysexCheck::Fault(std::uint64_t message, std::uint64_t offset, std::string text) {
  ++fault_count_;
  if (faults_.size() < MaxListedFaults) faults_.push_back({message, offset, std::move(text)});
}

void SysexCheck::Feed(std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t byte : bytes) {
    if (offset_ == MaxSoundFileSize) {
      Fault(0, offset_, "the file goes on past " + std::to_string(MaxSoundFileSize) +
                            " bytes, more than a sound JD-800 file can hold: not read further");
      ++offset_;
    }
    if (offset_ > MaxSoundFileSize) return;
    const std::uint64_t offset = offset_++;
    if (state_ == State::Outside) {
      if (byte == SysexStart) {
        in_stray_run_ = false;
        StartMessage(offset);
      } else if (!in_stray_run_) {
        in_stray_run_ = true;
        Fault(0, offset, "bytes outside any message, from " + FormatByte(byte) + " on");
      }
      continue;
    }
    if (byte == SysexEnd) {
      EndMessage(offset);
    } else if (byte == SysexStart) {
      AbandonMessage("ends without F7: a new message starts at offset " + std::to_string(offset));
      StartMessage(offset);
    } else if (byte >= 0x80) {
      Fault(message_, offset, "byte " + FormatByte(byte) + " is not 7-bit data");
    } else if (state_ == State::Header) {
      HeaderByte(byte);
    } else if (state_ == State::Data) {
      DataByte(byte, offset);
    }
  }
}

void SysexCheck::StartMessage(std::uint64_t offset) {
  ++message_;
  message_offset_ = offset;
  header_[0] = SysexStart;
  header_size_ = 1;
  data_count_ = 0;
  has_pending_ = false;
  past_address_space_ = false;
  state_ = State::Header;
}

namespace {

// The header bytes a message must have to be read at all; the device ID
// (byte 2) may be any.
struct RequiredByte {
  std::size_t position;
  std::uint8_t value;
  const char* what;
  const char* wanted;
};
constexpr RequiredByte RequiredHeader[] = {
    {1, RolandId, "manufacturer ", " is not Roland (41): skipped"},
    {3, Jd800ModelId, "model ", " is not the JD-800 (3D): skipped"},
    {4, DataSet1, "command ", " is not DT1 (12): skipped"},
};

}  // namespace

void SysexCheck::HeaderByte(std::uint8_t byte) {
  const std::size_t position = header_size_++;
  header_[position] = byte;
  for (const RequiredByte& required : RequiredHeader) {
    if (required.position == position && byte != required.value) {
      Fault(message_, message_offset_, required.what + FormatByte(byte) + required.wanted);
      state_ = State::Skipping;
    }
  }
  if (header_size_ == header_.size()) {
    address_ = LinearAddress(header_[5], header_[6], header_[7]);
    sum_ = header_[5] + header_[6] + header_[7];
    state_ = State::Data;
  }
}

// Every byte after the address is data but the last before F7, the checksum:
// each one is written when the next arrives.
void SysexCheck::DataByte(std::uint8_t byte, std::uint64_t offset) {
  if (has_pending_) {
    const std::uint64_t position = data_count_++;
    if (address_ + position >= AddressSpaceSize) {
      if (!past_address_space_) {
        Fault(message_, pending_offset_, "data runs past the last address, 7F 7F 7F");
        past_address_space_ = true;
      }
    } else {
      const auto address = static_cast<std::uint32_t>(address_ + position);
      const AddressSpace::Byte earlier = memory_.At(address);
      if (earlier.message != 0) {
        if (!overlap_.open || overlap_.last + 1 != address || overlap_.earlier_message != earlier.message) {
          FlushOverlap();
          overlap_ = {true, address, address, pending_offset_, earlier.message, earlier.offset};
        }
        overlap_.last = address;
      }
      memory_.Write(address, {pending_, message_, pending_offset_});
    }
  }
  sum_ += byte;
  pending_ = byte;
  pending_offset_ = offset;
  has_pending_ = true;
}

void SysexCheck::FlushOverlap() {
  if (!overlap_.open) return;
  Fault(message_, overlap_.offset,
        "writes " + FormatAddress(overlap_.first) + " - " + FormatAddress(overlap_.last) +
            " again, after message " + std::to_string(overlap_.earlier_message) + " at offset " +
            std::to_string(overlap_.earlier_offset));
  overlap_.open = false;
}

void SysexCheck::EndMessage(std::uint64_t offset) {
  FlushOverlap();
  const State state = state_;
  state_ = State::Outside;
  if (state == State::Skipping) return;
  if (state == State::Header) {
    Fault(message_, message_offset_, "ends at offset " + std::to_string(offset) + " inside its header");
    return;
  }
  if (!has_pending_ || data_count_ == 0) {
    Fault(message_, message_offset_, "carries no data");
    return;
  }
  ++dt1_messages_;
  if (std::find(device_ids_.begin(), device_ids_.end(), header_[2]) == device_ids_.end()) {
    device_ids_.push_back(header_[2]);
  }
  if (sum_ % 128 != 0) {
    const unsigned expected = (128 - (sum_ - pending_) % 128) % 128;
    Fault(message_, pending_offset_, "checksum " + FormatByte(pending_) + ", expected " + FormatByte(expected));
  }
}

// A message cut short counts for nothing but its fault; what it wrote stays,
// since the instrument would have taken it too.
void SysexCheck::AbandonMessage(std::string why) {
  FlushOverlap();
  Fault(message_, message_offset_, std::move(why));
  state_ = State::Outside;
}

void SysexCheck::Finish() {
  if (state_ != State::Outside) AbandonMessage("ends without F7 at the end of the file");
  if (message_ == 0) Fault(0, 0, offset_ == 0 ? "the file is empty" : "holds no SysEx message");
  CheckAddresses();
  FindPatches();
  whole_bank_ = memory_.NextWhere(false, BankBaseAddress) >= BankEndAddress;
  if (check_rules_) CheckRules();
}

// The written ranges, and the gaps between them as faults.
void SysexCheck::CheckAddresses() {
  for (std::uint32_t first = memory_.NextWhere(true, 0); first < AddressSpaceSize;) {
    const std::uint32_t end = memory_.NextWhere(false, first);
    if (!ranges_.empty()) {
      const AddressSpace::Byte after = memory_.At(first);
      ++gap_count_;
      Fault(after.message, after.offset,
            "no data for " + FormatAddress(ranges_.back().last + 1) + " - " + FormatAddress(first - 1) +
                ", the gap before this message's addresses");
    }
    ranges_.push_back({first, end - 1});
    first = memory_.NextWhere(true, end);
  }
}

void SysexCheck::FindPatches() {
  const auto add_if_whole = [&](std::uint32_t address, std::string where) {
    if (!memory_.AllWritten(address, PatchSize)) return;
    std::array<std::uint8_t, 16> name;
    memory_.CopyValues(address, name);
    covered_patches_.push_back({address, std::move(where), ShownPatchName(name)});
  };
  add_if_whole(TemporaryPatchAddress, "temporary");
  for (std::size_t slot = 0; slot < PatchCount; ++slot) add_if_whole(SlotAddress(slot), PatchNumber(slot));
}

// Every byte of every whole patch against the rule of its offset.
void SysexCheck::CheckRules() {
  for (const CoveredPatch& patch : covered_patches_) {
    const PatchImage values = PatchAt(memory_, patch.address);
    for (std::uint32_t offset = 0; offset < PatchSize; ++offset) {
      const auto [kind, rule_value] = PatchByteRules[offset];
      const bool drawn = kind == RuleKind::Drawn;
      if (drawn ? values[offset] <= rule_value : values[offset] == rule_value) continue;
      const std::string which = patch.address == TemporaryPatchAddress ? "the temporary patch" : "patch " + patch.where;
      const AddressSpace::Byte byte = memory_.At(patch.address + offset);
      Fault(byte.message, byte.offset,
            which + " byte " + std::to_string(offset) + " is " + std::to_string(byte.value) +
                (drawn ? ", above its maximum " : ", not its fixed ") + std::to_string(rule_value));
    }
  }
}

}  // namespace orvanel
