// The main window on Win32, in a real (Wine) window station: its windows,
// picture, keyboard, mouse, boxes, save dialog and ending. Messages go
// through the application's own handling, as its loop hands them over.
#include <gtest/gtest.h>

#include <windows.h>

#include "bank/home_page.h"
#include "forms/application.h"
#include "forms/centring.h"
#include "forms/shell.h"
#include "main_window_cases.h"
#include "modal_answers.h"
#include "platform/win32/application_title.h"
#include "platform/win32/peers.h"
#include "platform/win32/utf16.h"
#include "runtime/in_out_error.h"
#include "temp_folder.h"
#include "ui/rand1.h"

namespace orvanel {
namespace {

using testing::ModalAnswers;
using testing::TextOf;

char program_name[] = "window_tests";
TApplication application(program_name);

// Everything waiting, through the loop's own handling.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) HandleMessage(message);
  }
}

RECT RectIn(HWND parent, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return name;
}

LONG ButtonType(HWND button) { return GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK; }

class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    form.Show();
    Pump();
  }

  TForm1 form;
  HWND window = form.NativePeer().hwnd;
  HWND button1 = form.Button1->NativePeer().hwnd;
  HWND button2 = form.Button2->NativePeer().hwnd;
  HWND label1 = form.Label1->NativePeer().hwnd;
  HWND image1 = form.Image1->NativePeer().hwnd;
  HWND image2 = form.Image2->NativePeer().hwnd;
};

TEST_F(MainWindow, IsOneBorderlessWindowCentredWithItsControlsInPlace) {
  EXPECT_EQ(TextOf(window), L"Orvanel");
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MAXIMIZEBOX));
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);  // in the taskbar
  RECT frame, client;
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  const WindowOrigin origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 300, 200);
  EXPECT_EQ(frame.left, origin.left);
  EXPECT_EQ(frame.top, origin.top);
  EXPECT_EQ(frame.right - frame.left, 300);
  EXPECT_EQ(frame.bottom - frame.top, 200);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);

  struct Case {
    HWND control;
    RECT rect;
    const wchar_t* window_class;
    const wchar_t* text;
  };
  const Case cases[] = {
      {image1, {0, 0, 300, 200}, L"TImage", L""},
      {label1, {108, 164, 191, 177}, L"Static", L"v1.50 (08-Oct-03)"},
      {image2, {64, 80, 233, 105}, L"TImage", L""},
      {button1, {28, 123, 173, 148}, L"Button", L"&Generate a random bank"},
      {button2, {198, 123, 273, 148}, L"Button", L"&Quit"},
  };
  HWND below = nullptr;  // each control lies above the one made before it
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    const RECT rect = RectIn(window, c.control);
    EXPECT_EQ(rect.left, c.rect.left);
    EXPECT_EQ(rect.top, c.rect.top);
    EXPECT_EQ(rect.right, c.rect.right);
    EXPECT_EQ(rect.bottom, c.rect.bottom);
    EXPECT_EQ(ClassOf(c.control), c.window_class);
    EXPECT_EQ(TextOf(c.control), c.text);
    EXPECT_EQ(GetWindow(c.control, GW_HWNDNEXT), below);
    below = c.control;
  }
  EXPECT_EQ(GetWindow(window, GW_CHILD), button2);

  // MS Sans Serif at 8 points sets the label's text in exactly its 83 x 13.
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label1, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(std::wstring(font.lfFaceName), L"MS Sans Serif");
  EXPECT_EQ(font.lfHeight, -11);
  EXPECT_EQ(SendMessageW(button1, WM_GETFONT, 0, 0), SendMessageW(label1, WM_GETFONT, 0, 0));
  const HDC dc = GetDC(label1);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label1, WM_GETFONT, 0, 0)));
  wchar_t face[64] = {};
  GetTextFaceW(dc, 64, face);
  SIZE extent{};
  GetTextExtentPoint32W(dc, L"v1.50 (08-Oct-03)", 17, &extent);
  ReleaseDC(label1, dc);
  EXPECT_EQ(std::wstring(face), L"MS Sans Serif");
  EXPECT_EQ(extent.cx, 83);
  EXPECT_EQ(extent.cy, 13);

  // The focus on Button1, which wears the default frame.
  EXPECT_EQ(GetFocus(), button1);
  EXPECT_EQ(ButtonType(button1), BS_DEFPUSHBUTTON);
  EXPECT_EQ(ButtonType(button2), BS_PUSHBUTTON);
}

TEST_F(MainWindow, ThePointerIsAHandOverTheLinkAndAnArrowElsewhere) {
  for (const auto& [control, cursor] : {std::pair{image2, IDC_HAND}, std::pair{image1, IDC_ARROW}}) {
    SetCursor(nullptr);
    SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, cursor));
  }
}

// The picture lies 1:1 beneath the controls: every pixel that no button or
// label covers is the bitmap's own, top row first.
TEST_F(MainWindow, ShowsTheBitmapAsItIsBeneathTheControls) {
  UpdateWindow(window);
  Pump();
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), 300, -200, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC screen = GetDC(window);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP shot = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(memory, shot);
  BitBlt(memory, 0, 0, 300, 200, screen, 0, 0, SRCCOPY);
  ReleaseDC(window, screen);

  const ResourceBitmap picture = LoadResourceBitmap("background");
  ASSERT_NE(picture.info, nullptr);
  EXPECT_EQ(picture.width, 300);
  EXPECT_EQ(picture.height, 200);
  EXPECT_EQ(picture.info->bmiHeader.biBitCount, 16);
  EXPECT_EQ(picture.info->bmiHeader.biHeight, -200);  // top down
  const auto covered = [&](int x, int y) {
    for (HWND control : {button1, button2, label1}) {
      const RECT rect = RectIn(window, control);
      if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) return true;
    }
    return false;
  };
  int compared = 0;
  int differing = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) {
      if (covered(x, y)) continue;
      const auto pixel = static_cast<const std::uint16_t*>(picture.bits)[y * 300 + x];
      const auto seen = static_cast<const std::uint32_t*>(bits)[y * 300 + x];
      const int channels[][2] = {{(pixel >> 10) & 31, int((seen >> 16) & 255)},
                                 {(pixel >> 5) & 31, int((seen >> 8) & 255)},
                                 {pixel & 31, int(seen & 255)}};
      for (const auto& [five, eight] : channels) differing += std::abs((five << 3 | five >> 2) - eight) > 4 ? 1 : 0;
      ++compared;
    }
  }
  EXPECT_GT(compared, 50000);
  EXPECT_EQ(differing, 0);
  SelectObject(memory, previous);
  DeleteObject(shot);
  DeleteDC(memory);
}

// The handlers' own effects are replaced by counters.
class Keyboard : public MainWindow {
 protected:
  Keyboard() {
    form.Button1->OnClick = [this](TObject* /*sender*/) { ++generate; };
    form.Button2->OnClick = [this](TObject* /*sender*/) { ++quit; };
  }
  ~Keyboard() override { Hold(0); }

  // The keys held, as the thread's keyboard state that the loop reads.
  static void Hold(BYTE modifier) {
    BYTE state[256] = {};
    if (modifier != 0) state[modifier] = 0x80;
    SetKeyboardState(state);
  }

  int generate = 0;
  int quit = 0;
};

// A key of the table as Windows sends it: a virtual key, with Alt a system
// key, the keypad's Enter an extended one.
WPARAM VirtualKey(testing::Key key) {
  using testing::Key;
  switch (key) {
    case Key::Tab: return VK_TAB;
    case Key::Right: return VK_RIGHT;
    case Key::Down: return VK_DOWN;
    case Key::Left: return VK_LEFT;
    case Key::Up: return VK_UP;
    case Key::Return:
    case Key::KeypadEnter: return VK_RETURN;
    case Key::Space: return VK_SPACE;
    case Key::G: return 'G';
    case Key::Q: return 'Q';
    case Key::X: return 'X';
    case Key::Escape: return VK_ESCAPE;
  }
  return 0;
}

TEST_F(Keyboard, EveryKeyDoesWhatItsRowSays) {
  constexpr BYTE held_keys[] = {0, VK_SHIFT, VK_CONTROL, VK_MENU};
  for (const testing::KeyCase& c : testing::KeyCases) {
    SCOPED_TRACE(c.name);
    generate = quit = 0;
    const HWND start = c.from_quit ? button2 : button1;
    SetFocus(start);
    Pump();
    ASSERT_EQ(GetFocus(), start);
    Hold(held_keys[static_cast<int>(c.held)]);
    const bool alt = c.held == testing::Held::Alt;
    const LPARAM flags = (alt ? KF_ALTDOWN << 16 : 0) | (c.key == testing::Key::KeypadEnter ? KF_EXTENDED << 16 : 0);
    PostMessageW(start, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, VirtualKey(c.key), flags | 1);
    PostMessageW(start, alt ? WM_SYSKEYUP : WM_KEYUP, VirtualKey(c.key), flags | 0xC0000001);
    Pump();
    Hold(0);
    EXPECT_EQ(generate, c.generate);
    EXPECT_EQ(quit, c.quit);
    const HWND focused = c.focus_on_quit_after ? button2 : button1;
    EXPECT_EQ(GetFocus(), focused);
    EXPECT_EQ(ButtonType(focused), BS_DEFPUSHBUTTON);
    EXPECT_EQ(ButtonType(focused == button1 ? button2 : button1), BS_PUSHBUTTON);
  }
}

int opened = 0;
void CountOpen(std::string_view address) {
  EXPECT_EQ(address, HomePageAddress);
  ++opened;
}

class Mouse : public MainWindow {
 protected:
  Mouse() { SetWebAddressOpener(CountOpen); }
  ~Mouse() override { SetWebAddressOpener(nullptr); }

  // As Windows routes them: the press to the control under it, the release
  // to the control that has captured the mouse, or else to the one under it.
  void Send(UINT message, POINT at) {
    HWND target = message == WM_LBUTTONUP ? GetCapture() : nullptr;
    if (target == nullptr) target = ChildWindowFromPoint(window, at);
    MapWindowPoints(window, target, &at, 1);
    PostMessageW(target, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(at.x, at.y));
    Pump();
  }
};

TEST_F(Mouse, OnlyAClickInsideTheLinkOpensTheHomePageOnce) {
  for (const testing::LinkClickCase& c : testing::LinkClickCases) {
    SCOPED_TRACE(c.name);
    opened = 0;
    SetFocus(button2);
    Send(WM_LBUTTONDOWN, {c.press.x, c.press.y});
    Send(WM_LBUTTONUP, {c.release.x, c.release.y});
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ(GetFocus(), button2);  // no focus moves
    EXPECT_EQ(GetCapture(), nullptr);
  }

  // A release that reaches the link without its press is no click either.
  opened = 0;
  PostMessageW(image2, WM_LBUTTONUP, 0, MAKELPARAM(80, 12));
  Pump();
  EXPECT_EQ(opened, 0);
}

TEST_F(Mouse, ADoubleClickOpensTheHomePageOnce) {
  opened = 0;
  for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    PostMessageW(image2, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(80, 12));
    Pump();
  }
  EXPECT_EQ(opened, 1);
}

TEST(MainWindowLifetime, QuitAndClosingEndTheLoopWithExitCode0) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM w;
    bool to_button;  // to Button1, or else to the window
  };
  const Case cases[] = {
      {"q", WM_KEYDOWN, 'Q', true},
      {"Quit clicked", BM_CLICK, 0, false},
      {"closed from the taskbar", WM_SYSCOMMAND, SC_CLOSE, false},
      {"closed by the system", WM_CLOSE, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm1 form;
    ASSERT_EQ(Application->MainForm(), &form);
    const HWND target = c.message == BM_CLICK ? form.Button2->NativePeer().hwnd
                        : c.to_button         ? form.Button1->NativePeer().hwnd
                                              : form.NativePeer().hwnd;
    PostMessageW(target, c.message, c.w, 1);
    EXPECT_EQ(Application->Run(), 0);
    EXPECT_FALSE(IsWindowVisible(form.NativePeer().hwnd));
  }
}

struct BoxSeen {
  std::wstring caption, text;
  std::vector<std::wstring> buttons;
  RECT frame;
  bool fixed_size;
  HWND owner;  // modal over it
};

BoxSeen Inspect(HWND box) {
  BoxSeen seen{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)), {}, {}, !(GetWindowLongW(box, GWL_STYLE) & WS_THICKFRAME),
               GetWindow(box, GW_OWNER)};
  GetWindowRect(box, &seen.frame);
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) == L"Button" && IsWindowVisible(child)) seen.buttons.push_back(TextOf(child));
  }
  return seen;
}

TEST(MessageBoxes, TheConfirmationAndTheErrorDisplaySayWhatTheyMust) {
  // An active window away from the middle: the box is still centred on the
  // screen, not over the window.
  TForm owner({.Caption = "Owner", .ClientWidth = 300, .ClientHeight = 200, .Font = {"MS Sans Serif", 11}});
  owner.Show();
  SetWindowPos(owner.NativePeer().hwnd, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump();
  ASSERT_EQ(GetActiveWindow(), owner.NativePeer().hwnd);
  ModalAnswers answers;
  BoxSeen confirmation, error;
  answers.Then([&](HWND box) {
    confirmation = Inspect(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  answers.Then([&](HWND box) {
    error = Inspect(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  MessageDlg("Bank has been generated and saved!", MsgDlgType::Information);
  Application->HandleException(EInOutError(112));
  EXPECT_TRUE(answers.AllAnswered());
  EXPECT_EQ(confirmation.caption, L"Information");
  EXPECT_EQ(confirmation.text, L"Bank has been generated and saved!");
  EXPECT_EQ(confirmation.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_TRUE(confirmation.fixed_size);
  EXPECT_EQ(confirmation.owner, owner.NativePeer().hwnd);
  EXPECT_EQ(error.owner, owner.NativePeer().hwnd);
  // Centred on the screen.
  const int width = confirmation.frame.right - confirmation.frame.left;
  const int height = confirmation.frame.bottom - confirmation.frame.top;
  EXPECT_NEAR(confirmation.frame.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, 1);
  EXPECT_NEAR(confirmation.frame.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 1);
  EXPECT_EQ(error.caption, L"window_tests");  // this program's own name
  EXPECT_EQ(error.text, L"I/O error 112.");
  EXPECT_EQ(error.buttons, std::vector<std::wstring>{L"OK"});
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstFullStopInLowerCaseButTheFirst) {
  struct Case {
    const wchar_t* path;
    const char* title;
  };
  for (const Case c : {Case{L"C:\\Program Files\\Orvanel\\orvanel.exe", "orvanel"},
                       Case{L"D:\\Tools\\ORVANEL.EXE", "Orvanel"}, Case{L"C:/x/my.prog.v2.exe", "my"},
                       Case{L"relative\\aB", "ab"}, Case{L"C:\\bin\\\u00C9DIT.exe", "\u00C9dit"},
                       Case{L"C:\\bin\\.hidden", ""}}) {
    EXPECT_EQ(ApplicationTitle(c.path), c.title) << Utf8(c.path);
  }
}

// The form's own save dialog: its title and type, the default extension, the
// overwrite question, and a path kept for the run.
TEST_F(MainWindow, SaveDialogAsksAsSetAndKeepsTheConfirmedPath) {
  testing::TempFolder folder;
  testing::WriteBytes(folder / "old.syx", {1, 2, 3});
  const auto type_and_save = [](HWND dialog, const std::string& path) {
    SetDlgItemTextW(dialog, 0x47c, Utf16(path).c_str());  // "File name:"
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  };
  ModalAnswers answers;
  answers.Then([&](HWND dialog) {
    EXPECT_EQ(TextOf(dialog), L"Save JD800 Sysex Bank ...");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 0x470)), L"JD800 Sysex File");  // "Save as type:"
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 0x410)));          // no read-only box
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_THICKFRAME);     // resizable
    type_and_save(dialog, folder / "first");
  });
  ASSERT_TRUE(form.SaveDialog1->Execute());
  EXPECT_EQ(form.SaveDialog1->FileName, folder / "first.syx");

  // An existing file: "No" keeps the dialog open, then a cancel keeps the path.
  answers.Then([&](HWND dialog) { type_and_save(dialog, folder / "old.syx"); });
  answers.Then([&](HWND question) { PostMessageW(question, WM_COMMAND, IDNO, 0); });
  answers.Then([&](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
  EXPECT_FALSE(form.SaveDialog1->Execute());
  EXPECT_EQ(form.SaveDialog1->FileName, folder / "first.syx");
  EXPECT_TRUE(answers.AllAnswered());
  EXPECT_EQ(testing::ReadBytes(folder / "old.syx"), (std::vector<std::uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace orvanel
