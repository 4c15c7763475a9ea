// The least any Win32 program pays to show Orvanel's controls: a borderless
// 300 x 200 window with the same label and two push buttons, and the
// message loop.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command_line*/, int /*show*/) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"Floor";
  RegisterClassW(&window_class);
  const HWND window = CreateWindowExW(WS_EX_APPWINDOW, L"Floor", L"Floor", WS_POPUP, 362, 284, 300, 200, nullptr,
                                     nullptr, instance, nullptr);
  CreateWindowExW(0, L"STATIC", L"v1.50 (08-Oct-03)", WS_CHILD | WS_VISIBLE, 108, 164, 83, 13, window, nullptr,
                  instance, nullptr);
  CreateWindowExW(0, L"BUTTON", L"&Generate a random bank", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 28, 123, 145, 25,
                  window, nullptr, instance, nullptr);
  CreateWindowExW(0, L"BUTTON", L"&Quit", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 198, 123, 75, 25, window, nullptr,
                  instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
