// The title the application takes when it sets none of its own.
#pragma once

#include <string>
#include <string_view>

namespace orvanel {

// The executable's name without its folder and from its first "." on, the
// first character kept as it is and the rest in lower case; in UTF-8.
std::string ApplicationTitle(std::wstring_view executable_path);

}  // namespace orvanel
