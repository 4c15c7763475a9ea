// How fast SysEx may go to the instrument. MIDI's wire runs at 31,250 baud,
// 10 bits a byte, so a byte takes 320 us; sending faster only fills the
// interface's buffer. Roland's instruments also want a pause after each data
// set, while they write it to memory.
#pragma once

#include <chrono>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "midi/sysex_messages.h"

namespace orvanel {

using Microseconds = std::chrono::microseconds;

inline constexpr Microseconds WireTimePerByte{320};
inline constexpr std::chrono::milliseconds DefaultInterval{50};

constexpr Microseconds WireTime(std::size_t bytes) { return WireTimePerByte * static_cast<long long>(bytes); }

// When each of `messages` may leave, counted from the first: no sooner than
// the one before it plus that one's wire time and `interval`. One entry more
// than `messages`: when the last is off the wire and its pause is over, the
// end of the transfer.
std::vector<Microseconds> Departures(std::span<const SysexMessage> messages, Microseconds interval);

// "13.0 s", for people.
std::string SecondsText(Microseconds time);

}  // namespace orvanel
