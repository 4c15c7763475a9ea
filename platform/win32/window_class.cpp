#include "platform/win32/window_class.h"

namespace orvanel {

ATOM RegisterWindowClass(const WindowClass& window_class) {
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof registered;
  registered.style = window_class.style;
  registered.lpfnWndProc = window_class.procedure;
  registered.hInstance = GetModuleHandleW(nullptr);
  registered.hIcon = window_class.icon;
  registered.hCursor = window_class.cursor;
  registered.hbrBackground = window_class.background;
  registered.lpszClassName = window_class.name;
  return RegisterClassExW(&registered);
}

}  // namespace orvanel
