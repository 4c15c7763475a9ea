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

SlotOrError ParseSlot(std::string_view patch) {
  if (const auto slot = ParsePatchNumber(patch)) return {*slot, {}};
  std::string error = "'";  // appended, not added: g++ 12 warns wrongly of overlap in "'" + string
  error.append(patch).append("' is no internal patch: name one from I11 to I88");
  return {0, error};
}

std::string NoSuchPatch(const std::string& path, std::size_t slot, const PatchFile& file) {
  return path + ": no whole patch " + PatchNumber(slot) + " in it (it holds " + file.List() + ")";
}

Source ReadSource(std::string_view source, bool whole_bank) {
  const std::size_t colon = source.rfind(':');
  const bool names_patch = colon != std::string_view::npos && colon != 0 &&
                           source.find_first_of("/\\", colon) == std::string_view::npos;
  const std::string path(names_patch ? source.substr(0, colon) : source);
  SlotOrError slot;
  Source read;
  if (names_patch && !(slot = ParseSlot(source.substr(colon + 1))).error.empty()) {
    read.error = slot.error;
    return read;
  }
  read.file = ReadPatchFile(path);
  if (!read.file.error.empty()) {
    read.error = read.file.error;
  } else if (names_patch) {
    if (const FilePatch* patch = read.file.Slot(slot.slot)) {
      read.patch = *patch;
    } else {
      read.error = NoSuchPatch(path, slot.slot, read.file);
    }
  } else if (read.file.patches.size() == 1) {
    read.patch = read.file.patches.front();
  } else if (!(whole_bank && read.file.whole_bank)) {
    read.error = path + ": holds " + std::to_string(read.file.patches.size()) + " patches (" + read.file.List() + ")" +
                 (whole_bank ? " but not a whole bank" : "") + ": name one as " + path + ":PATCH";
  }
  return read;
}

}  // namespace orvanel
