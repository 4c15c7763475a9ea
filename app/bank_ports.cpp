// orvanel-bank ports
#include <iostream>

#include "app/bank_tool.h"
#include "app/midi_session.h"
#include "platform/posix/interrupt_guard.h"

namespace orvanel {

int PortsCommand(std::span<const std::string_view> arguments) {
  if (!arguments.empty()) return Complain("ports takes no arguments", ExitUsage);
  // The MIDI systems' threads are made with Ctrl-C blocked, as in every command.
  const InterruptGuard guard;
  const MidiPorts outputs(PortKind::Output);
  const MidiPorts inputs(PortKind::Input);
  if (outputs.Running().empty() && inputs.Running().empty()) return Complain(NoMidiSystem, ExitUsage);
  const auto list = [](const char* title, const MidiPorts& found) {
    std::cout << title << "\n";
    if (found.Ports().empty()) std::cout << "  none\n";
    for (std::size_t i = 0; i < found.Ports().size(); ++i) {
      std::cout << "  " << i + 1 << "  " << PortText(found.Ports()[i]) << "\n";
    }
  };
  list("MIDI outputs, for send and audition:", outputs);
  list("MIDI inputs, for receive:", inputs);
  return ExitSound;
}

}  // namespace orvanel
