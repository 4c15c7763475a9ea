// orvanel-bank show FILE [PATCH] [--format text|tsv]
#include <iostream>
#include <optional>
#include <string>

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
  std::string out(tsv ? PatchTsvHeader : "");
  const auto show = [&](const FilePatch& shown) {
    if (tsv) {
      AppendPatchTsv(out, shown.where, shown.image);
    } else {
      if (!out.empty()) out += '\n';
      AppendPatchText(out, shown.where, shown.image);
    }
  };
  if (patch) {
    const FilePatch* shown = file.Slot(slot.slot);
    if (shown == nullptr) return Complain(NoSuchPatch(*path, slot.slot, file), ExitUsage);
    show(*shown);
  } else {
    for (const FilePatch& shown : file.patches) show(shown);
  }
  std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
  std::cout.flush();
  return std::cout ? ExitSound : Complain("cannot write the listing", ExitFaults);
}

}  // namespace orvanel
