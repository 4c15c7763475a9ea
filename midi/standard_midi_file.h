// SysEx messages as a Standard MIDI File, for MIDI that goes through a DAW or
// a hardware sequencer.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "midi/pacing.h"
#include "midi/sysex_messages.h"

namespace orvanel {

// 120 beats a minute and 500 ticks a beat: one tick is one millisecond.
inline constexpr std::uint32_t SmfTempo = 500'000;  // microseconds a beat
inline constexpr std::uint16_t SmfTicksPerBeat = 500;
inline constexpr Microseconds SmfTick{SmfTempo / SmfTicksPerBeat};

// Format 0, one track: the tempo, then each message as a SysEx event on the
// first tick no sooner than its departure, then the end of the track at the
// last departure. `departures` is as Departures gives it, one entry more than
// `messages`.
std::vector<std::uint8_t> StandardMidiFile(std::span<const SysexMessage> messages,
                                           std::span<const Microseconds> departures);

}  // namespace orvanel
