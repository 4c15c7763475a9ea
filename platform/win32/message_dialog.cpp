#include <windows.h>

#include "forms/dialogs.h"
#include "platform/win32/utf16.h"

namespace orvanel {

void MessageDlg(std::string_view text, MsgDlgType type, std::string_view caption) {
  const bool information = type == MsgDlgType::Information;
  MessageBoxW(GetActiveWindow(), Utf16(text).c_str(), information ? L"Information" : Utf16(caption).c_str(),
              MB_OK | (information ? MB_ICONINFORMATION : MB_ICONERROR));
}

}  // namespace orvanel
