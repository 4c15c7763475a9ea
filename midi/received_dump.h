// A bulk dump from the instrument, assembled from the messages as they arrive:
// each JD-800 DT1 message with a true checksum is kept byte for byte, in the
// order it came; every other message is counted by its kind and said, never
// kept.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bank/bank.h"
#include "bank/sysex_check.h"

namespace orvanel {

// Clock, active sensing and the other real-time messages: an instrument may
// send them all the time, so they say nothing of a dump going on.
bool IsRealTime(std::span<const std::uint8_t> message);

class ReceivedDump {
 public:
  static constexpr std::size_t MaxListedChecksums = 16;

  // One whole message as the MIDI system hands it over.
  void Take(std::span<const std::uint8_t> message);

  // Every byte of the internal bank, 05 00 00 - 06 3F 7F, has arrived.
  bool WholeBank() const { return bank_bytes_.all(); }
  std::size_t BankBytes() const { return bank_bytes_.count(); }
  // The runs of the internal bank that have not arrived, in address order.
  std::vector<AddressRange> MissingFromBank() const;

  // The kept messages as a SysEx file.
  const std::vector<std::uint8_t>& Kept() const { return kept_; }
  std::size_t KeptMessages() const { return kept_messages_; }

  // What was not kept, one line a kind: "2 channel messages (notes,
  // controllers, programs)", and each wrong checksum with its address.
  std::vector<std::string> Ignored() const;

 private:
  enum Kind { Channel, SystemCommon, RealTime, OtherMaker, OtherModel, NotDt1, Broken, KindCount };
  void KeepDt1(std::span<const std::uint8_t> message);

  std::vector<std::uint8_t> kept_;
  std::size_t kept_messages_ = 0;
  std::bitset<BankSize> bank_bytes_;
  std::array<std::size_t, KindCount> ignored_{};
  std::size_t wrong_checksums_ = 0;
  std::vector<std::string> checksum_lines_;  // the first MaxListedChecksums
};

}  // namespace orvanel
