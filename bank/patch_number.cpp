#include "bank/patch_number.h"

namespace orvanel {

std::string PatchNumber(std::size_t slot) {
  std::string number = "I11";
  number[1] = static_cast<char>('1' + slot / 8);
  number[2] = static_cast<char>('1' + slot % 8);
  return number;
}

std::optional<std::size_t> ParsePatchNumber(std::string_view text) {
  const auto digit = [](char c) { return c >= '1' && c <= '8'; };
  if (text.size() != 3 || (text[0] != 'I' && text[0] != 'i') || !digit(text[1]) || !digit(text[2])) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(text[1] - '1') * 8 + static_cast<std::size_t>(text[2] - '1');
}

}  // namespace orvanel
