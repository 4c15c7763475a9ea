#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/centring.h"
#include "forms/controls.h"
#include "platform/win32/peers.h"
#include "platform/win32/utf16.h"
#include "platform/win32/window_class.h"

namespace orvanel {
namespace {

constexpr wchar_t FormClass[] = L"TForm";

TForm* FormOf(HWND hwnd) {
  wchar_t name[8] = {};
  if (hwnd == nullptr || GetClassNameW(hwnd, name, 8) == 0 || std::wstring_view(name) != FormClass) return nullptr;
  return reinterpret_cast<TForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

TButton* ButtonOf(const TForm& form, HWND hwnd) {
  const auto& buttons = form.TabOrder();
  const auto found = std::find_if(buttons.begin(), buttons.end(),
                                  [hwnd](const TButton* button) { return button->NativePeer().hwnd == hwnd; });
  return found == buttons.end() ? nullptr : *found;
}

TKeyPress KeyPressOf(const MSG& message) {
  const bool alt = message.message == WM_SYSKEYDOWN ? (HIWORD(message.lParam) & KF_ALTDOWN) != 0
                                                     : GetKeyState(VK_MENU) < 0;
  TKeyPress press{TKey::Other, 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, alt};
  switch (message.wParam) {
    case VK_TAB: press.key = TKey::Tab; break;
    case VK_LEFT: press.key = TKey::Left; break;
    case VK_RIGHT: press.key = TKey::Right; break;
    case VK_UP: press.key = TKey::Up; break;
    case VK_DOWN: press.key = TKey::Down; break;
    case VK_RETURN: press.key = TKey::Return; break;
    case VK_ESCAPE: press.key = TKey::Escape; break;
    default:
      if (message.wParam >= 'A' && message.wParam <= 'Z') {
        press.key = TKey::Letter;
        press.letter = static_cast<char>(message.wParam);
      }
  }
  return press;
}

// The pictures of the form's picture controls, beneath every control.
void PaintPictures(const TForm::Peer& peer) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(peer.hwnd, &paint);
  for (const TImage* image : peer.pictures) {
    const TBounds& bounds = image->Description().Bounds;
    const ResourceBitmap& picture = image->NativePeer().picture;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bounds.Left, bounds.Top, bounds.Left + bounds.Width, bounds.Top + bounds.Height);
    StretchDIBits(dc, bounds.Left, bounds.Top, picture.width, picture.height, 0, 0, picture.width, picture.height,
                  picture.bits, picture.info, DIB_RGB_COLORS, SRCCOPY);
    RestoreDC(dc, saved);
  }
  EndPaint(peer.hwnd, &paint);
}

LRESULT FormMessage(TForm& form, HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  TForm::Peer& peer = form.NativePeer();
  switch (message) {
    case WM_PAINT:
      PaintPictures(peer);
      return 0;
    case WM_CTLCOLORSTATIC: {  // the label: black letters on whatever lies beneath
      const auto dc = reinterpret_cast<HDC>(w);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_COMMAND:
      if (TButton* button = ButtonOf(form, reinterpret_cast<HWND>(l))) {
        if (HIWORD(w) == BN_CLICKED) button->Click();
        if (HIWORD(w) == BN_SETFOCUS) {
          peer.focused = button;
          form.ButtonFocused(*button);
        }
        return 0;
      }
      break;
    case WM_ACTIVATE:  // the focus goes back to its button, never to the form
      if (LOWORD(w) != WA_INACTIVE && HIWORD(w) == 0) {
        if (TButton* button = peer.focused != nullptr ? peer.focused : form.FirstInTabOrder()) button->SetFocus();
      }
      return 0;
    case WM_CLOSE:  // from the taskbar, say: as Quit does
      form.Close();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, w, l);
}

void RegisterFormClass() {
  static const ATOM atom = RegisterWindowClass({.name = FormClass,
                                                .procedure = OwnedWindowProcedure<TForm, FormMessage>,
                                                .icon = LoadIconW(nullptr, IDI_APPLICATION),  // the stock icon
                                                .cursor = LoadCursorW(nullptr, IDC_ARROW),
                                                .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
  (void)atom;
}

}  // namespace

TForm::Peer::~Peer() {
  DestroyWindow(hwnd);
  DeleteObject(font);
}

HWND CreateControl(const wchar_t* window_class, DWORD style, TForm& form, const TControlDescription& description,
                   void* creator) {
  const TBounds& bounds = description.Bounds;
  const HWND hwnd = CreateWindowExW(0, window_class, Utf16(description.Caption).c_str(), WS_CHILD | WS_VISIBLE | style,
                                    bounds.Left, bounds.Top, bounds.Width, bounds.Height, form.NativePeer().hwnd,
                                    nullptr, GetModuleHandleW(nullptr), creator);
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(form.NativePeer().font), FALSE);
  return hwnd;
}

void HandleMessage(MSG& message) {
  if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
    if (TForm* form = FormOf(GetAncestor(message.hwnd, GA_ROOT))) {
      TButton* button = ButtonOf(*form, message.hwnd);
      if (button != nullptr && form->DialogKey(*button, KeyPressOf(message))) return;
    }
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

TForm::TForm(const TFormDescription& description)
    : TComponent(nullptr), description_(description), peer_(std::make_unique<Peer>()) {
  RegisterFormClass();
  peer_->font = CreateFontW(-description.Font.Height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            Utf16(description.Font.Name).c_str());
  // Borderless, yet in the taskbar, from where it can be minimised and closed.
  peer_->hwnd = CreateWindowExW(WS_EX_APPWINDOW, FormClass, Utf16(description.Caption).c_str(),
                                WS_POPUP | WS_MINIMIZEBOX, 0, 0, description.ClientWidth, description.ClientHeight,
                                nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (Application != nullptr) Application->FormCreated(*this);
}

TForm::~TForm() {
  DestroyComponents();
  if (Application != nullptr) Application->FormDestroyed(*this);
}

void TForm::Show() {
  const WindowOrigin origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                            description_.ClientWidth, description_.ClientHeight);
  SetWindowPos(peer_->hwnd, nullptr, origin.left, origin.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(peer_->hwnd, SW_SHOWNORMAL);
  SetForegroundWindow(peer_->hwnd);
  if (TButton* first = FirstInTabOrder()) first->SetFocus();
}

void TForm::Close() {
  ShowWindow(peer_->hwnd, SW_HIDE);
  if (Application != nullptr && Application->MainForm() == this) PostQuitMessage(0);
}

std::uintptr_t TForm::Handle() const { return reinterpret_cast<std::uintptr_t>(peer_->hwnd); }

}  // namespace orvanel
