#include "forms/shell.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/system_function.h"
#include "platform/win32/utf16.h"

namespace orvanel {

// Its result is not used, nor whether the shell is there at all.
void NativeShellOpen(std::uintptr_t owner, std::string_view address) {
  static const auto shell_execute = SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (shell_execute == nullptr) return;
  shell_execute(reinterpret_cast<HWND>(owner), L"open", Utf16(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace orvanel
