// How the instrument numbers its 64 internal patches: I11 to I88, bank digit
// then number digit, each 1 to 8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvanel {

// "I11" for slot 0 up to "I88" for slot 63.
std::string PatchNumber(std::size_t slot);

// The slot of "I11".."I88" (a lower-case i too); nothing for any other text.
std::optional<std::size_t> ParsePatchNumber(std::string_view text);

}  // namespace orvanel
