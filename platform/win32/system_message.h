// Windows' own words for a system error code.
#pragma once

#include <string>

namespace orvanel {

// The system's message for `code` in UTF-8, without its closing full stop and
// line break; "error N" when the system has none.
std::string SystemMessage(unsigned long code);

}  // namespace orvanel
