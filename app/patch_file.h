// SysEx files as sources of whole patches, for the commands that vary,
// extract, merge and show them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bank/patch_image.h"

namespace orvanel {

struct FilePatch {
  std::string where;  // "temporary", or the slot "I11".."I88"
  PatchImage image;
};

struct PatchFile {
  std::string error;  // why the file serves as no source; empty when it does
  std::vector<FilePatch> patches;  // every whole patch, by address: the temporary one first
  bool whole_bank = false;

  // The patch in internal slot `slot`, when the file holds it whole.
  const FilePatch* Slot(std::size_t slot) const;
  // "temporary, I11, I12" (the first few).
  std::string List() const;
};

// Reads `path`: a file that check finds sound (gaps between the ranges it
// writes aside) and that writes at least one whole patch.
PatchFile ReadPatchFile(const std::string& path);

// The slot of PATCH, I11..I88, or why not.
struct SlotOrError {
  std::size_t slot = 0;
  std::string error;
};
SlotOrError ParseSlot(std::string_view patch);

// "FILE: no whole patch I23 in it (it holds I11, I12)".
std::string NoSuchPatch(const std::string& path, std::size_t slot, const PatchFile& file);

// A SOURCE read: "FILE:PATCH" stands for that patch of FILE, "FILE" for the
// one patch the file holds or, where `whole_bank` allows, for a whole bank.
// The text after the last ':' names a patch when it holds no folder
// separator, so that "C:\bank.syx" is a file.
struct Source {
  std::string error;  // why SOURCE stands for nothing; empty when it stands for something
  PatchFile file;
  std::optional<FilePatch> patch;  // none for a whole bank
};
Source ReadSource(std::string_view source, bool whole_bank);

}  // namespace orvanel
