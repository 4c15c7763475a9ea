// orvanel-bank extract FILE PATCH OUT [--to SLOT] [--force]
// orvanel-bank merge OUT SOURCE... [--at SLOT] [--force]
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/bank_tool.h"
#include "app/command_options.h"
#include "app/patch_file.h"
#include "bank/dt1_message.h"
#include "bank/patch_number.h"
#include "bank/sysex_format.h"

namespace orvanel {
namespace {

constexpr KnownOption ExtractOptions[] = {{"--to", true}, {"--force", false}};
constexpr KnownOption MergeOptions[] = {{"--at", true}, {"--force", false}};

// The slot that the option `name` names, when it is given; the words for a
// usage error when it names none.
struct SlotOption {
  std::optional<std::size_t> slot;
  std::string error;
};
SlotOption ReadSlotOption(const CommandOptions& options, std::string_view name) {
  const std::optional<std::string> text = options.Value(name);
  if (!text) return {};
  const SlotOrError slot = ParseSlot(*text);
  if (!slot.error.empty()) return {std::nullopt, std::string(name) + ": " + slot.error};
  return {slot.slot, {}};
}

void Announce(std::string_view where, const PatchImage& patch, std::string_view from) {
  std::cout << where << "  " << ShownPatchName(patch) << "  from " << from << "\n";
}

}  // namespace

int ExtractPatchCommand(std::span<const std::string_view> arguments) {
  const std::optional<CommandOptions> options = ReadOptions("extract", arguments, ExtractOptions);
  if (!options) return ExitUsage;
  const SlotOption to = ReadSlotOption(*options, "--to");
  if (!to.error.empty()) return Complain(to.error, ExitUsage);
  if (options->plain.size() != 3) return Complain("extract takes FILE PATCH OUT", ExitUsage);
  const std::string& path = options->plain[0];
  const std::string& out = options->plain[2];
  const SlotOrError slot = ParseSlot(options->plain[1]);
  if (!slot.error.empty()) return Complain(slot.error, ExitUsage);

  const PatchFile file = ReadPatchFile(path);
  if (!file.error.empty()) return Complain(file.error, ExitUsage);
  const FilePatch* patch = file.Slot(slot.slot);
  if (patch == nullptr) return Complain(NoSuchPatch(path, slot.slot, file), ExitUsage);

  const std::uint32_t address = to.slot ? SlotAddress(*to.slot) : TemporaryPatchAddress;
  const bool force = options->Has("--force");
  if (const int code = WriteToolFile(out, Dt1Messages(address, patch->image), force); code != ExitSound) {
    return code;
  }
  Announce(to.slot ? PatchNumber(*to.slot) : "temporary", patch->image, path + ":" + patch->where);
  return ExitSound;
}

int MergePatchesCommand(std::span<const std::string_view> arguments) {
  const std::optional<CommandOptions> options = ReadOptions("merge", arguments, MergeOptions);
  if (!options) return ExitUsage;
  const SlotOption from = ReadSlotOption(*options, "--at");
  if (!from.error.empty()) return Complain(from.error, ExitUsage);
  if (options->plain.size() < 2) return Complain("merge takes OUT and at least one SOURCE", ExitUsage);
  const std::string& out = options->plain.front();
  const std::span<const std::string> sources(options->plain.begin() + 1, options->plain.end());
  const std::size_t at = from.slot.value_or(0);
  if (sources.size() > PatchCount - at) {
    const std::size_t room = PatchCount - at;
    return Complain("merge: " + std::to_string(sources.size()) + " patches do not fit from " + PatchNumber(at) +
                        " to I88, which " + (room == 1 ? "is 1 slot" : "are " + std::to_string(room) + " slots"),
                    ExitUsage);
  }

  std::vector<PatchImage> patches;
  for (const std::string& source : sources) {
    const Source read = ReadSource(source, false);
    if (!read.error.empty()) return Complain(read.error, ExitUsage);
    patches.push_back(read.patch->image);
  }
  // The slots are consecutive, so their bytes go as one run of messages.
  std::vector<std::uint8_t> bytes;
  for (const PatchImage& patch : patches) bytes.insert(bytes.end(), patch.begin(), patch.end());
  if (const int code = WriteToolFile(out, Dt1Messages(SlotAddress(at), bytes), options->Has("--force"));
      code != ExitSound) {
    return code;
  }
  for (std::size_t i = 0; i < sources.size(); ++i) Announce(PatchNumber(at + i), patches[i], sources[i]);
  return ExitSound;
}

}  // namespace orvanel
