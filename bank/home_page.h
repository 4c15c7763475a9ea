// The program's home page, and the patch name taken from it.
#pragma once

#include <array>
#include <string_view>

namespace orvanel {

inline constexpr std::string_view HomePageAddress = "http://www.orvanel.org";

namespace detail {
inline constexpr std::string_view HomePageScheme = "http://";

constexpr bool IsWellFormedHomePage(std::string_view address) {
  if (address.size() != 22 || !address.starts_with(HomePageScheme)) return false;
  for (char c : address.substr(HomePageScheme.size())) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}
}  // namespace detail

// The name sits in 7-bit SysEx data, so every character must be 7-bit ASCII.
static_assert(detail::IsWellFormedHomePage(HomePageAddress),
              "HomePageAddress must be \"http://\" and 15 printable 7-bit ASCII characters");

// What follows "http://", blank-padded or cut to the instrument's 16 characters.
inline constexpr std::array<char, 16> PatchName = [] {
  std::array<char, 16> name{};
  const std::string_view host = HomePageAddress.substr(detail::HomePageScheme.size());
  for (std::size_t i = 0; i < name.size(); ++i) name[i] = i < host.size() ? host[i] : ' ';
  return name;
}();

}  // namespace orvanel
