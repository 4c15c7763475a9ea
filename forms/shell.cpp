#include "forms/shell.h"

namespace orvanel {
namespace {

WebAddressOpener substitute = nullptr;

}  // namespace

void ShellOpen(std::uintptr_t owner, std::string_view address) {
  if (substitute != nullptr) {
    substitute(address);
  } else {
    NativeShellOpen(owner, address);
  }
}

void SetWebAddressOpener(WebAddressOpener opener) { substitute = opener; }

}  // namespace orvanel
