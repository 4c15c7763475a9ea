// Reads a JD-800 SysEx file that nobody vouches for and says whether it is
// sound: every message framed, Roland JD-800 DT1 with a true checksum and
// 7-bit data; the instrument's memory rebuilt by address, whatever the message
// sizes, with its ranges, overlaps and gaps; the whole patches it writes, and,
// on request, every byte of each of them against Orvanel's rules.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bank/address_space.h"
#include "bank/bank.h"
#include "bank/sysex_format.h"

namespace orvanel {

struct CheckFault {
  std::uint64_t message;  // counted from 1; 0 for bytes outside any message
  std::uint64_t offset;   // in the file
  std::string text;
};

// "message 4, offset 1062: checksum 05, expected 04", as the user reads it.
std::string FaultLine(const CheckFault& fault);

struct AddressRange {
  std::uint32_t first;
  std::uint32_t last;
};

// A patch whose 384 bytes the file writes whole: the temporary patch or an
// internal one.
struct CoveredPatch {
  std::uint32_t address;  // of its first byte
  std::string where;      // "temporary", or the slot "I11".."I88"
  std::string name;       // control characters shown as '.'
};

// A byte as two hexadecimal digits, "0A"; an address as "05 0A 7F".
std::string FormatByte(unsigned byte);
std::string FormatAddress(std::uint32_t address);

class SysexCheck {
 public:
  static constexpr std::size_t MaxListedFaults = 100;
  // Every address at most once, in messages of one data byte (11 bytes each):
  // no sound file is longer, so reading stops there.
  static constexpr std::uint64_t MaxSoundFileSize = 11ULL * AddressSpaceSize;
  static_assert(MaxSoundFileSize < (1ULL << 32), "the memory keeps offsets and message numbers in 32 bits");

  explicit SysexCheck(bool check_rules) : check_rules_(check_rules) {}

  // The file in pieces of any size, then Finish once.
  void Feed(std::span<const std::uint8_t> bytes);
  void Finish();
  bool WantsMore() const { return offset_ <= MaxSoundFileSize; }

  std::uint64_t FaultCount() const { return fault_count_; }
  // Of those, the gaps between the ranges the file writes: a file that writes
  // some patches and not others has them, and its patches are sound still.
  std::uint64_t GapCount() const { return gap_count_; }
  const std::vector<CheckFault>& Faults() const { return faults_; }  // the first MaxListedFaults
  std::uint64_t Dt1Messages() const { return dt1_messages_; }
  const std::vector<std::uint8_t>& DeviceIds() const { return device_ids_; }
  const std::vector<AddressRange>& Ranges() const { return ranges_; }
  bool WholeInternalBank() const { return whole_bank_; }
  // Every whole patch, by address: the temporary one first, then I11..I88.
  const std::vector<CoveredPatch>& CoveredPatches() const { return covered_patches_; }
  // The instrument's memory as the file leaves it.
  const AddressSpace& Memory() const { return memory_; }

 private:
  enum class State { Outside, Header, Data, Skipping };

  void Fault(std::uint64_t message, std::uint64_t offset, std::string text);
  void StartMessage(std::uint64_t offset);
  void HeaderByte(std::uint8_t byte);
  void DataByte(std::uint8_t byte, std::uint64_t offset);
  void EndMessage(std::uint64_t offset);
  void AbandonMessage(std::string why);
  void FlushOverlap();
  void CheckAddresses();
  void FindPatches();
  void CheckRules();

  bool check_rules_;
  State state_ = State::Outside;
  std::uint64_t offset_ = 0;  // of the next byte fed
  bool in_stray_run_ = false;

  // The message being read.
  std::uint64_t message_ = 0;
  std::uint64_t message_offset_ = 0;
  std::array<std::uint8_t, 8> header_{};
  std::size_t header_size_ = 0;
  std::uint32_t address_ = 0;
  std::uint64_t data_count_ = 0;
  std::uint32_t sum_ = 0;
  bool has_pending_ = false;  // the last byte read, data or the checksum
  std::uint8_t pending_ = 0;
  std::uint64_t pending_offset_ = 0;
  bool past_address_space_ = false;

  // A run of this message's bytes over bytes an earlier message wrote.
  struct Overlap {
    bool open = false;
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    std::uint64_t offset = 0;
    std::uint64_t earlier_message = 0;
    std::uint64_t earlier_offset = 0;
  } overlap_;

  AddressSpace memory_;
  std::uint64_t fault_count_ = 0;
  std::uint64_t gap_count_ = 0;
  std::vector<CheckFault> faults_;
  std::uint64_t dt1_messages_ = 0;
  std::vector<std::uint8_t> device_ids_;
  std::vector<AddressRange> ranges_;
  bool whole_bank_ = false;
  std::vector<CoveredPatch> covered_patches_;
};

}  // namespace orvanel
