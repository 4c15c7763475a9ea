#include "app/patch_file.h"

#include "app/sysex_file.h"
#include "bank/patch_number.h"
#include "bank/sysex_format.h"

namespace orvanel {

const FilePatch* PatchFile::Slot(std::size_t slot) const {
  const std::string where = PatchNumber(slot);
  for (const FilePatch& patch : patches) {
    if (patch.where == where) return &patch;
  }
  return nullptr;
}

std::string PatchFile::List() const {
  constexpr std::size_t Listed = 8;
  std::string list;
  for (std::size_t i = 0; i < patches.size() && i < Listed; ++i) list += (i == 0 ? "" : ", ") + patches[i].where;
  if (patches.size() > Listed) list += ", ... " + patches.back().where;
  return list;
}

PatchFile ReadPatchFile(const std::string& path) {
  PatchFile file;
  SysexCheck check(false);
  if (const std::string error = ReadInto(path, check); !error.empty()) {
    file.error = path + ": cannot read: " + error;
    return file;
  }
  check.Finish();
  if (const std::uint64_t faults = check.FaultCount() - check.GapCount(); faults != 0) {
    file.error = path + ": not a sound JD-800 file (" + std::to_string(faults) + " fault" + (faults == 1 ? "" : "s") +
                 "; orvanel-bank check names them)";
    return file;
  }
  for (const CoveredPatch& patch : check.CoveredPatches()) {
    file.patches.push_back({patch.where, PatchAt(check.Memory(), patch.address)});
  }
  if (file.patches.empty()) file.error = path + ": holds no whole patch";
  file.whole_bank = check.WholeInternalBank();
  return file;
}

SourceName SplitSource(std::string_view text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos || colon == 0 ||
      text.find_first_of("/\\", colon) != std::string_view::npos) {
    return {std::string(text), std::nullopt};
  }
  return {std::string(text.substr(0, colon)), std::string(text.substr(colon + 1))};
}

SlotOrError ParseSlot(std::string_view patch) {
  if (const auto slot = ParsePatchNumber(patch)) return {*slot, {}};
  std::string error = "'";  // appended, not added: g++ 12 warns wrongly of overlap in "'" + string
  error.append(patch).append("' is no internal patch: name one from I11 to I88");
  return {0, error};
}

std::string NoSuchPatch(const std::string& path, std::size_t slot, const PatchFile& file) {
  return path + ": no whole patch " + PatchNumber(slot) + " in it (it holds " + file.List() + ")";
}

SourcePatch ReadSourcePatch(std::string_view source) {
  const SourceName name = SplitSource(source);
  SlotOrError slot;
  if (name.patch && !(slot = ParseSlot(*name.patch)).error.empty()) return {slot.error, {}};
  const PatchFile file = ReadPatchFile(name.path);
  if (!file.error.empty()) return {file.error, {}};
  if (name.patch) {
    if (const FilePatch* patch = file.Slot(slot.slot)) return {{}, *patch};
    return {NoSuchPatch(name.path, slot.slot, file), {}};
  }
  if (file.patches.size() == 1) return {{}, file.patches.front()};
  return {name.path + ": holds " + std::to_string(file.patches.size()) + " patches (" + file.List() +
              "): name one as " + name.path + ":PATCH",
          {}};
}

}  // namespace orvanel
