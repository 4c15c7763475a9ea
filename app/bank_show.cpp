// orvanel-bank show FILE [PATCH] [--format text|tsv]
#include <iostream>
#include <string>
#include <vector>

#include "app/bank_tool.h"
#include "app/command_options.h"
#include "app/patch_file.h"
#include "bank/patch_listing.h"

namespace orvanel {

int ShowPatchesCommand(std::span<const std::string_view> arguments) {
  constexpr KnownOption ShowOptions[] = {{"--format", true}};
  const std::optional<CommandOptions> options = ReadOptions("show", arguments, ShowOptions);
  if (!options) return ExitUsage;
  const std::string format = options->Value("--format").value_or("text");
  if (format != "text" && format != "tsv") return Complain("--format takes text or tsv", ExitUsage);
  const bool tsv = format == "tsv";
  if (options->plain.empty()) return Complain("show needs a FILE", ExitUsage);
  if (options->plain.size() > 2) return Complain("show takes FILE and at most one PATCH", ExitUsage);
  const std::string& path = options->plain[0];
  const bool one_patch = options->plain.size() == 2;
  SlotOrError slot;
  if (one_patch && !(slot = ParseSlot(options->plain[1])).error.empty()) return Complain(slot.error, ExitUsage);

  const PatchFile file = ReadPatchFile(path);
  if (!file.error.empty()) return Complain(file.error, ExitUsage);
  std::vector<const FilePatch*> shown;
  if (one_patch) {
    shown.push_back(file.Slot(slot.slot));
    if (shown.front() == nullptr) return Complain(NoSuchPatch(path, slot.slot, file), ExitUsage);
  } else {
    for (const FilePatch& each : file.patches) shown.push_back(&each);
  }
  // A patch at a time through one buffer: a whole bank as one string would
  // cost more in fresh memory than in formatting.
  std::string out(tsv ? PatchTsvHeader : "");
  for (const FilePatch* each : shown) {
    if (tsv) {
      AppendPatchTsv(out, each->where, each->image);
    } else {
      if (each != shown.front()) out += '\n';
      AppendPatchText(out, each->where, each->image);
    }
    std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
    out.clear();
  }
  std::cout.flush();
  return std::cout ? ExitSound : Complain("cannot write the listing", ExitFaults);
}

}  // namespace orvanel
