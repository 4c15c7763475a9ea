// The program's version, as the window's label and the command-line tool show it.
#pragma once

#include <string_view>

namespace orvanel {

inline constexpr std::string_view VersionText = "v1.50 (08-Oct-03)";

}  // namespace orvanel
