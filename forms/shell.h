// Hands a web address to the desktop's default browser: the shell's "open",
// shown normally, owned by a window.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvanel {

// Returns at once; whether a browser came up is the shell's business.
void ShellOpen(std::uintptr_t owner, std::string_view address);

// Replaces the shell, for tests; nullptr restores it.
using WebAddressOpener = void (*)(std::string_view address);
void SetWebAddressOpener(WebAddressOpener opener);

// The backend's call into the shell.
void NativeShellOpen(std::uintptr_t owner, std::string_view address);

}  // namespace orvanel
