#include "forms/shell.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/utf16.h"

namespace orvanel {

void NativeShellOpen(std::uintptr_t owner, std::string_view address) {
  ShellExecuteW(reinterpret_cast<HWND>(owner), L"open", Utf16(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace orvanel
