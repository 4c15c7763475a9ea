// orvanel-bank show FILE [PATCH] [--format text|tsv]
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/bank_tool.h"
#include "app/patch_file.h"
#include "bank/patch_listing.h"

namespace orvanel {

int ShowPatchesCommand(std::span<const std::string_view> arguments) {
  std::optional<std::string> path;
  std::optional<std::string_view> patch;
  bool tsv = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--format") {
      const std::string_view format = i + 1 < arguments.size() ? arguments[++i] : "";
      if (format != "text" && format != "tsv") return Complain("--format takes text or tsv", ExitUsage);
      tsv = format == "tsv";
    } else if (argument.starts_with("-") && argument != "-") {
      return Complain("show: unknown option '" + std::string(argument) + "'", ExitUsage);
    } else if (!path) {
      path = std::string(argument);
    } else if (!patch) {
      patch = argument;
    } else {
      return Complain("show takes FILE and at most one PATCH", ExitUsage);
    }
  }
  if (!path) return Complain("show needs a FILE", ExitUsage);
  SlotOrError slot;
  if (patch && !(slot = ParseSlot(*patch)).error.empty()) return Complain(slot.error, ExitUsage);

  const PatchFile file = ReadPatchFile(*path);
  if (!file.error.empty()) return Complain(file.error, ExitUsage);
  std::vector<const FilePatch*> shown;
  if (patch) {
    shown.push_back(file.Slot(slot.slot));
    if (shown.front() == nullptr) return Complain(NoSuchPatch(*path, slot.slot, file), ExitUsage);
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
