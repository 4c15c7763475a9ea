// What the commands that talk to the instrument share: the port the user
// means, and messages sent at the pace the instrument takes them.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "midi/pacing.h"
#include "midi/sysex_messages.h"
#include "platform/posix/interrupt_guard.h"
#include "platform/rtmidi/midi_ports.h"

namespace orvanel {

inline constexpr const char* NoMidiSystem =
    "no MIDI system is running: start a JACK server, or load ALSA's sequencer (snd-seq)";

// "JACK recorder:in"
std::string PortText(const MidiPort& port);

struct PortPick {
  std::optional<MidiPort> port;
  int exit_code;  // when there is none: it has said why
};

// The port of `found` that `wanted` (--port) names, or else the only one;
// with several and no --port, asks which on a terminal, refuses without one.
PortPick PickPort(const MidiPorts& found, const std::optional<std::string>& wanted, InterruptGuard& guard);

// Picks the output as PickPort does, lets `confirm` (if any) refuse with an
// exit code, connects orvanel-bank's port `own_name` to it, and sends the
// messages spaced as `departures` spaces them: between two messages it stops
// on Ctrl-C, or when the port has gone. Says how it went; the exit code.
using Confirm = std::function<std::optional<int>(const MidiPort& port, InterruptGuard& guard)>;
int SendToOutput(const std::optional<std::string>& wanted, const std::string& own_name,
                 std::span<const SysexMessage> messages, std::span<const Microseconds> departures,
                 const Confirm& confirm = {});

}  // namespace orvanel
