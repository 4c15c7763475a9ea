// orvanel-bank export FILE OUT.mid [--interval MS] [--force]
#include <iostream>
#include <string>
#include <vector>

#include "app/bank_tool.h"
#include "app/midi_options.h"
#include "app/sound_file.h"
#include "midi/pacing.h"
#include "midi/standard_midi_file.h"
#include "midi/sysex_messages.h"

namespace orvanel {
namespace {

constexpr KnownOption ExportOptions[] = {IntervalOption, {"--force", false}};

}  // namespace

int ExportCommand(std::span<const std::string_view> arguments) {
  const std::optional<CommandOptions> options = ReadOptions("export", arguments, ExportOptions);
  if (!options) return ExitUsage;
  if (options->plain.size() != 2) return Complain("export takes FILE and OUT.mid", ExitUsage);
  Microseconds interval = DefaultInterval;
  if (auto bad = ReadInterval(*options, interval)) return Complain(*bad, ExitUsage);
  const std::string& path = options->plain[0];
  const std::string& out_path = options->plain[1];

  int exit_code = ExitSound;
  const std::optional<CheckedFile> file = ReadSoundFile(path, exit_code);
  if (!file) return exit_code;
  const std::vector<std::uint8_t> bytes = Dt1OfAtMost256(file->bytes);
  const std::vector<SysexMessage> messages = SplitMessages(bytes);
  const std::vector<Microseconds> departures = Departures(messages, interval);
  const std::vector<std::uint8_t> smf = StandardMidiFile(messages, departures);
  if (const int written = WriteToolFile(out_path, smf, options->Has("--force")); written != ExitSound) return written;
  std::cout << out_path << ": " << messages.size() << " SysEx events over " << SecondsText(departures.back()) << "\n";
  return ExitSound;
}

}  // namespace orvanel
