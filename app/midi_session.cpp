#include "app/midi_session.h"

#include <iostream>

#include "app/bank_tool.h"
#include "app/command_options.h"
#include "app/progress_line.h"
#include "midi/port_choice.h"
#include "platform/posix/terminal.h"

namespace orvanel {
namespace {

const char* KindText(PortKind kind) { return kind == PortKind::Output ? "MIDI output" : "MIDI input"; }

std::string Plural(std::size_t count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::size_t Bytes(std::span<const SysexMessage> messages) {
  std::size_t bytes = 0;
  for (const SysexMessage message : messages) bytes += message.size();
  return bytes;
}

struct Transfer {
  enum class End { Done, Interrupted, Vanished };
  End end = End::Done;
  std::size_t sent = 0;  // messages
  std::size_t bytes = 0;
};

Transfer Transmit(MidiOutput& output, std::span<const SysexMessage> messages,
                  std::span<const Microseconds> departures, InterruptGuard& guard) {
  ProgressLine progress(StderrIsTerminal());
  const std::size_t total_bytes = Bytes(messages);
  InterruptGuard::Clock::time_point next = InterruptGuard::Clock::now();
  Transfer transfer;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    if (!guard.SleepUntil(next)) {
      transfer.end = Transfer::End::Interrupted;
      return transfer;
    }
    // The next one is timed from now: a message that a busy machine sends
    // late never has the next one catch up with it on the wire.
    const InterruptGuard::Clock::time_point departure = InterruptGuard::Clock::now();
    if (!output.Present()) {
      transfer.end = Transfer::End::Vanished;
      return transfer;
    }
    progress.Show("message " + std::to_string(i + 1) + " of " + std::to_string(messages.size()) + ", " +
                  std::to_string(transfer.bytes + messages[i].size()) + " of " + std::to_string(total_bytes) +
                  " bytes, " + SecondsText(departures.back() - departures[i]) + " left");
    output.Send(messages[i]);
    next = departure + (departures[i + 1] - departures[i]);
    ++transfer.sent;
    transfer.bytes += messages[i].size();
  }
  // The last message is on its way until its wire time is over; meanwhile the
  // connection closes, which takes the MIDI system a few of its cycles. A
  // Ctrl-C now stops nothing that is not already sent.
  output.Close();
  guard.SleepUntil(next);
  return transfer;
}

int ReportTransfer(const Transfer& transfer, std::span<const SysexMessage> messages, const MidiPort& port) {
  const std::string sent = std::to_string(transfer.sent) + " of " + Plural(messages.size(), "message") + " (" +
                           std::to_string(transfer.bytes) + " of " + std::to_string(Bytes(messages)) + " bytes)";
  switch (transfer.end) {
    case Transfer::End::Interrupted:
      return Complain("stopped by Ctrl-C after " + sent, ExitFaults);
    case Transfer::End::Vanished:
      return Complain(PortText(port) + " has gone, after " + sent, ExitFaults);
    case Transfer::End::Done:
      break;
  }
  std::cout << "sent " << Plural(transfer.sent, "message") << " (" << transfer.bytes << " bytes) to "
            << PortText(port) << "\n";
  return ExitSound;
}

}  // namespace

std::string PortText(const MidiPort& port) { return port.system + " " + port.name; }

PortPick PickPort(const MidiPorts& found, const std::optional<std::string>& wanted, InterruptGuard& guard) {
  const PortKind kind = found.Kind();
  if (found.Running().empty()) return {std::nullopt, Complain(NoMidiSystem, ExitUsage)};
  const std::vector<MidiPort>& ports = found.Ports();
  if (ports.empty()) {
    std::string systems;
    for (const std::string& system : found.Running()) systems += (systems.empty() ? "" : ", ") + system;
    return {std::nullopt, Complain(std::string("no ") + KindText(kind) + " on " + systems, ExitUsage)};
  }
  std::vector<std::string> names;
  for (const MidiPort& port : ports) names.push_back(PortText(port));
  if (ports.size() == 1 && !wanted) return {ports.front(), ExitSound};

  std::vector<std::size_t> matches;
  if (wanted) {
    // Both the name alone and the name with its system's, "JACK a:b", are the port's.
    std::vector<std::string> bare;
    for (const MidiPort& port : ports) bare.push_back(port.name);
    matches = ChoosePort(bare, *wanted).matches;
    if (matches.empty()) matches = ChoosePort(names, *wanted).matches;
  } else if (!StdinIsTerminal()) {
    return {std::nullopt, Complain(Plural(ports.size(), KindText(kind)) +
                                       ": choose one with --port (orvanel-bank ports lists them)",
                                   ExitUsage)};
  } else {
    for (std::size_t i = 0; i < names.size(); ++i) std::cerr << "  " << i + 1 << "  " << names[i] << "\n";
    const std::optional<std::string> answer =
        Ask(std::string("Which ") + KindText(kind) + "? [1-" + std::to_string(names.size()) + "] ", guard);
    if (!answer) return {std::nullopt, Complain("no port chosen", ExitUsage)};
    if (const auto number = ParseWholeNumber(*answer); number && *number >= 1 && *number <= names.size()) {
      matches = {static_cast<std::size_t>(*number - 1)};
    }
    if (matches.empty()) return {std::nullopt, Complain("'" + *answer + "' is none of them", ExitUsage)};
  }
  if (matches.empty()) {
    return {std::nullopt, Complain(std::string("no ") + KindText(kind) + " matches '" + *wanted +
                                       "' (orvanel-bank ports lists them)",
                                   ExitUsage)};
  }
  if (matches.size() > 1) {
    std::string list;
    for (const std::size_t i : matches) list += (list.empty() ? "" : ", ") + names[i];
    return {std::nullopt, Complain("'" + *wanted + "' matches " + Plural(matches.size(), KindText(kind)) + ": " +
                                       list + "; give more of the name, or its number",
                                   ExitUsage)};
  }
  return {ports[matches.front()], ExitSound};
}

int SendToOutput(const std::optional<std::string>& wanted, const std::string& own_name,
                 std::span<const SysexMessage> messages, std::span<const Microseconds> departures,
                 const Confirm& confirm) {
  InterruptGuard guard;
  MidiPorts found(PortKind::Output);
  const PortPick pick = PickPort(found, wanted, guard);
  if (!pick.port) return pick.exit_code;
  if (confirm) {
    if (const std::optional<int> refused = confirm(*pick.port, guard)) return *refused;
  }
  try {
    MidiOutput output(found, *pick.port, own_name);
    return ReportTransfer(Transmit(output, messages, departures, guard), messages, *pick.port);
  } catch (const MidiError& error) {
    return Complain(error.what(), ExitFaults);
  }
}

}  // namespace orvanel
