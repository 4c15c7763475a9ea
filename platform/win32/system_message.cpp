#include "platform/win32/system_message.h"

#include <windows.h>

#include "platform/win32/utf16.h"

namespace orvanel {

std::string SystemMessage(unsigned long code) {
  wchar_t text[512];
  DWORD size = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                              sizeof text / sizeof text[0], nullptr);
  while (size > 0 && (text[size - 1] == L'\r' || text[size - 1] == L'\n' || text[size - 1] == L'.' ||
                      text[size - 1] == L' ')) {
    --size;
  }
  if (size == 0) return "error " + std::to_string(code);
  return Utf8({text, size});
}

}  // namespace orvanel
