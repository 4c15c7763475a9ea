// The Win32 windows behind the window layer: the form and its controls. The
// backend builds them; the window tests reach them through NativePeer().
#pragma once

#include <vector>
#include <windows.h>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "platform/win32/picture.h"

namespace orvanel {

// The thread's message queue is all the application needs.
struct TApplication::Peer {};

struct TForm::Peer {
  Peer() = default;
  ~Peer();
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  HWND hwnd = nullptr;
  HFONT font = nullptr;
  TButton* focused = nullptr;           // the button that has the focus, or had it last
  std::vector<const TImage*> pictures;  // drawn by the form itself, in creation order
};

// A control's window, destroyed with its control.
struct ControlWindow {
  ControlWindow() = default;
  ~ControlWindow() { DestroyWindow(hwnd); }
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  HWND hwnd = nullptr;
};

struct TButton::Peer : ControlWindow {};

// A transparent static: the picture shows between its letters.
struct TLabel::Peer : ControlWindow {};

// An invisible child that takes the mouse over its area; its picture, if
// any, is drawn by the form beneath every control, so that the label's
// letters lie on it.
struct TImage::Peer : ControlWindow {
  ResourceBitmap picture;
  bool pressed = false;  // the left button went down inside, and has not come up
};

// A control's window on `form`, at its place in the description, above the
// controls made before it, in the form's font.
HWND CreateControl(const wchar_t* window_class, DWORD style, TForm& form, const TControlDescription& description,
                   void* creator = nullptr);

// One message as the application's loop handles it: a key for a form's
// button goes to the form's keyboard first.
void HandleMessage(MSG& message);

}  // namespace orvanel
