// orvanel-bank audition (FILE PATCH | --seed N) [--port P] [--device-id N]
#include <iostream>
#include <string>
#include <vector>

#include "app/bank_tool.h"
#include "app/midi_options.h"
#include "app/midi_session.h"
#include "app/sound_file.h"
#include "bank/dt1_message.h"
#include "bank/patch_image.h"
#include "bank/patch_number.h"
#include "bank/patch_randomizer.h"
#include "midi/pacing.h"
#include "runtime/random.h"

namespace orvanel {
namespace {

constexpr KnownOption AuditionOptions[] = {PortOption, DeviceIdOption, {"--seed", true}};

// Patch `number` of the file at `path`, when the file is sound and holds it
// whole; otherwise the exit code, having said why.
std::optional<PatchImage> PatchFromFile(const std::string& path, const std::string& number, int& exit_code) {
  const std::optional<std::size_t> slot = ParsePatchNumber(number);
  if (!slot) {
    exit_code = Complain("'" + number + "' is not a patch: I11 to I88, bank then number", ExitUsage);
    return std::nullopt;
  }
  const std::optional<CheckedFile> file = ReadSoundFile(path, exit_code);
  if (!file) return std::nullopt;
  for (const CoveredPatch& patch : file->check.CoveredPatches()) {
    if (patch.address == SlotAddress(*slot)) {
      std::cout << PatchNumber(*slot) << "  " << patch.name << "\n";
      return PatchAt(file->check.Memory(), patch.address);
    }
  }
  exit_code = Complain(path + ": holds no whole patch " + PatchNumber(*slot), ExitFaults);
  return std::nullopt;
}

}  // namespace

int AuditionCommand(std::span<const std::string_view> arguments) {
  const std::optional<CommandOptions> options = ReadOptions("audition", arguments, AuditionOptions);
  if (!options) return ExitUsage;
  std::optional<std::uint8_t> device;
  if (auto bad = ReadDeviceId(*options, device)) return Complain(*bad, ExitUsage);
  const std::optional<std::string> seed_text = options->Value("--seed");
  if (!(options->plain.empty() || (options->plain.size() == 2 && !seed_text))) {
    return Complain("audition takes FILE and PATCH, or --seed N, or neither", ExitUsage);
  }

  int exit_code = ExitSound;
  std::optional<PatchImage> patch;
  if (!options->plain.empty()) {
    patch = PatchFromFile(options->plain[0], options->plain[1], exit_code);
    if (!patch) return exit_code;
  } else {
    std::optional<std::uint64_t> seed = ClockSeed();
    if (seed_text && !(seed = ParseWholeNumber(*seed_text))) {
      return Complain(BadSeed, ExitUsage);
    }
    // Drawn as generate draws its first patch: the same seed, the same I11.
    patch.emplace();
    RandSeed(*seed);
    RandomPatch(Patch(*patch));
    std::cout << "seed " << *seed << std::endl;
  }

  const std::vector<std::uint8_t> bytes = Dt1Messages(TemporaryPatchAddress, *patch, device.value_or(DeviceId));
  const std::vector<SysexMessage> messages = SplitMessages(bytes);
  const std::vector<Microseconds> departures = Departures(messages, DefaultInterval);
  return SendToOutput(options->Value(PortOption.name), "audition", messages, departures);
}

}  // namespace orvanel
