// orvanel-bank send FILE [--port P] [--interval MS] [--device-id N] [--yes]
#include <iostream>
#include <string>
#include <vector>

#include "app/bank_tool.h"
#include "app/midi_options.h"
#include "app/midi_session.h"
#include "app/sound_file.h"
#include "bank/patch_number.h"
#include "midi/pacing.h"
#include "midi/sysex_messages.h"
#include "platform/posix/terminal.h"

namespace orvanel {
namespace {

constexpr KnownOption SendOptions[] = {PortOption, IntervalOption, DeviceIdOption, {"--yes", false}};

// The internal patches that the file writes into, whole or in part.
std::vector<std::size_t> SlotsWritten(const AddressSpace& memory) {
  std::vector<std::size_t> slots;
  for (std::size_t slot = 0; slot < PatchCount; ++slot) {
    if (memory.NextWhere(true, SlotAddress(slot)) < SlotAddress(slot) + PatchSize) slots.push_back(slot);
  }
  return slots;
}

std::string SlotsText(const std::vector<std::size_t>& slots) {
  if (slots.size() == 1) return "internal patch " + PatchNumber(slots.front());
  std::string text = std::to_string(slots.size()) + " internal patches, ";
  if (slots.back() - slots.front() + 1 == slots.size()) return text + PatchNumber(slots.front()) + " - " + PatchNumber(slots.back());
  for (const std::size_t slot : slots) text += PatchNumber(slot) + (slot == slots.back() ? "" : " ");
  return text;
}

// Says what the file will overwrite, and asks; the exit code when the answer
// is not yes.
std::optional<int> ConfirmOverwrite(const std::string& path, const std::vector<std::size_t>& slots,
                                    const MidiPort& port, InterruptGuard& guard) {
  std::cerr << path << " writes " << SlotsText(slots) << ": what the JD-800 holds there now will be replaced.\n"
            << "The JD-800 takes them only with its memory protect off. To keep what is there now, back it up\n"
            << "first with: orvanel-bank receive backup.syx\n";
  if (!StdinIsTerminal()) return Complain("no terminal to ask: add --yes to send all the same", ExitUsage);
  const std::optional<std::string> answer = Ask("Send to " + PortText(port) + "? [y/N] ", guard);
  if (answer && (*answer == "y" || *answer == "Y" || *answer == "yes")) return std::nullopt;
  return Complain("nothing sent", ExitFaults);
}

}  // namespace

int SendBankCommand(std::span<const std::string_view> arguments) {
  const std::optional<CommandOptions> options = ReadOptions("send", arguments, SendOptions);
  if (!options) return ExitUsage;
  if (options->plain.size() != 1) return Complain("send takes one FILE", ExitUsage);
  Microseconds interval = DefaultInterval;
  std::optional<std::uint8_t> device;
  if (auto bad = ReadInterval(*options, interval)) return Complain(*bad, ExitUsage);
  if (auto bad = ReadDeviceId(*options, device)) return Complain(*bad, ExitUsage);
  const std::string& path = options->plain.front();

  int exit_code = ExitSound;
  const std::optional<CheckedFile> file = ReadSoundFile(path, exit_code);
  if (!file) return exit_code;
  std::vector<std::uint8_t> bytes = Dt1OfAtMost256(file->bytes);
  if (device) SetDeviceId(bytes, *device);
  const std::vector<SysexMessage> messages = SplitMessages(bytes);
  const std::vector<Microseconds> departures = Departures(messages, interval);

  const std::vector<std::size_t> slots = SlotsWritten(file->check.Memory());
  Confirm confirm;
  if (!slots.empty() && !options->Has("--yes")) {
    confirm = [&](const MidiPort& port, InterruptGuard& guard) { return ConfirmOverwrite(path, slots, port, guard); };
  }
  return SendToOutput(options->Value(PortOption.name), "send", messages, departures, confirm);
}

}  // namespace orvanel
