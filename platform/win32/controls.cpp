#include "forms/controls.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/form.h"
#include "platform/win32/peers.h"
#include "platform/win32/window_class.h"

namespace orvanel {
namespace {

constexpr wchar_t ImageClass[] = L"TImage";

LRESULT ImageMessage(TImage& image, HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  TImage::Peer& peer = image.NativePeer();
  switch (message) {
    case WM_LBUTTONDOWN:
      peer.pressed = true;
      SetCapture(hwnd);  // so that the release comes here wherever it happens
      return 0;
    case WM_LBUTTONUP: {
      const bool pressed_inside = peer.pressed;
      peer.pressed = false;
      if (GetCapture() == hwnd) ReleaseCapture();
      RECT area;
      GetClientRect(hwnd, &area);
      const POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      if (pressed_inside && PtInRect(&area, at)) image.Click();
      return 0;
    }
    case WM_LBUTTONDBLCLK:  // the second press of a double click is no press
    case WM_CAPTURECHANGED:
      peer.pressed = false;
      return 0;
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, image.Description().Cursor == TCursor::crHandPoint ? IDC_HAND : IDC_ARROW));
      return TRUE;
    case WM_ERASEBKGND:  // nothing of its own: the form's picture shows through
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(hwnd, &paint);
      EndPaint(hwnd, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, w, l);
  }
}

void RegisterImageClass() {
  static const ATOM atom = RegisterWindowClass(
      {.name = ImageClass, .procedure = OwnedWindowProcedure<TImage, ImageMessage>, .style = CS_DBLCLKS});
  (void)atom;
}

}  // namespace

TButton::TButton(TForm& owner, const TControlDescription& description)
    : TControl(owner, description), peer_(std::make_unique<Peer>()) {
  // BS_NOTIFY: the form hears when the focus comes, to move the default frame.
  peer_->hwnd = CreateControl(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, owner, description);
  owner.AddToTabOrder(*this);
}

TButton::~TButton() = default;

void TButton::SetFocus() { ::SetFocus(peer_->hwnd); }

void TButton::SetDefault(bool is_default) {
  SendMessageW(peer_->hwnd, BM_SETSTYLE, (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY, TRUE);
}

TLabel::TLabel(TForm& owner, const TControlDescription& description)
    : TControl(owner, description), peer_(std::make_unique<Peer>()) {
  peer_->hwnd = CreateControl(L"STATIC", SS_LEFT | SS_NOPREFIX, owner, description);
}

TLabel::~TLabel() = default;

TImage::TImage(TForm& owner, const TControlDescription& description)
    : TControl(owner, description), peer_(std::make_unique<Peer>()) {
  RegisterImageClass();
  peer_->hwnd = CreateControl(ImageClass, 0, owner, description, this);
  if (!description.Picture.empty()) {
    peer_->picture = LoadResourceBitmap(description.Picture);
    if (peer_->picture.info != nullptr) owner.NativePeer().pictures.push_back(this);
  }
}

TImage::~TImage() { std::erase(Form().NativePeer().pictures, this); }

}  // namespace orvanel
