// Hands a web address to the desktop's default browser.
#pragma once

#include <string_view>

namespace orvanel {

// Returns at once; whether a browser came up is the desktop's business.
void OpenWebAddress(std::string_view address);

// Replaces the desktop call, for tests; nullptr restores it.
using WebAddressOpener = void (*)(std::string_view address);
void SetWebAddressOpener(WebAddressOpener opener);

}  // namespace orvanel
