// Looks at another program's windows from inside Wine, for the end-to-end
// test: what a box says, and a close as the taskbar asks for it.
//   window_probe texts TITLE   the texts in the dialog box TITLE, one a line
//   window_probe close TITLE   asks the window TITLE to close (SC_CLOSE)
// Exit code 1 when there is no such window. Windows finds titles in any
// case, so a box is looked for among dialog boxes alone.
#include <cstdio>
#include <string>
#include <windows.h>

#include "platform/win32/utf16.h"

namespace {

// Asked of the window itself: an edit box's text lives with the box.
BOOL CALLBACK PrintText(HWND child, LPARAM /*unused*/) {
  wchar_t text[512] = {};
  DWORD_PTR length = 0;
  if (IsWindowVisible(child) &&
      SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &length) &&
      length > 0) {
    std::printf("%s\n", orvanel::Utf8(text).c_str());
  }
  return TRUE;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count != 3) {
    std::fprintf(stderr, "usage: window_probe texts|close TITLE\n");
    return 2;
  }
  const std::wstring command = words[1];
  const HWND window = FindWindowW(command == L"texts" ? L"#32770" : nullptr, words[2]);
  LocalFree(words);
  if (window == nullptr) return 1;
  if (command == L"texts") {
    EnumChildWindows(window, PrintText, 0);
  } else {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  return 0;
}
