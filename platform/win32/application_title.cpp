#include "platform/win32/application_title.h"

#include <algorithm>
#include <windows.h>

#include "platform/win32/utf16.h"

namespace orvanel {

std::string ApplicationTitle(std::wstring_view executable_path) {
  std::wstring name(executable_path.substr(executable_path.find_last_of(L"\\/") + 1));  // npos + 1 is 0
  name.resize(std::min(name.size(), name.find(L'.')));
  if (name.size() > 1) CharLowerBuffW(name.data() + 1, static_cast<DWORD>(name.size() - 1));
  return Utf8(name);
}

}  // namespace orvanel
