// Text crosses into Windows as UTF-16 and comes back as UTF-8, so that the
// program's own strings stay UTF-8 on every platform.
#pragma once

#include <string>
#include <string_view>

namespace orvanel {

std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

}  // namespace orvanel
