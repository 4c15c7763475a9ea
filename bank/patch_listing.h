// A patch's parameters in the instrument's words: as text for a reader, the
// common settings and then the four tones side by side, or as tab-separated
// rows for scripts, one a parameter.
#pragma once

#include <string>
#include <string_view>

#include "bank/patch_image.h"

namespace orvanel {

inline constexpr std::string_view PatchTsvHeader = "patch\tblock\ttone\toffset\tparameter\tvalue\tshown\n";

// `where` names the patch: "I23" or "temporary".
void AppendPatchText(std::string& out, std::string_view where, const PatchImage& patch);

// A row for every row of the parameter table, each tone row once a tone: the
// name's value column is empty and its shown column the name.
void AppendPatchTsv(std::string& out, std::string_view where, const PatchImage& patch);

}  // namespace orvanel
