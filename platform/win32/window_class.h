// The window classes of our own (the form, the picture control): each window
// belongs to an owner, which handles its messages.
#pragma once

#include <exception>
#include <windows.h>

#include "forms/application.h"

namespace orvanel {

// A class's procedure: the owner, handed over at the window's creation, gets
// every message; an error escaping one goes to the error display, never back
// into Windows. Until CreateWindowExW returns, the owner does not know its
// window yet, and the system's defaults answer.
template <typename Owner, LRESULT (*Handle)(Owner&, HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK OwnedWindowProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (owner == nullptr || owner->NativePeer().hwnd != hwnd) return DefWindowProcW(hwnd, message, w, l);
  try {
    return Handle(*owner, hwnd, message, w, l);
  } catch (const std::exception& error) {
    Application->HandleException(error);
    return 0;
  }
}

struct WindowClass {
  const wchar_t* name;
  WNDPROC procedure;
  UINT style = 0;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;  // none: the window sets the pointer itself
  HBRUSH background = nullptr;
};

// Registers `window_class` for this program; call it once.
ATOM RegisterWindowClass(const WindowClass& window_class);

}  // namespace orvanel
