#include <gtest/gtest.h>

#include <utility>

#include <QCloseEvent>
#include <QtEndian>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "bank/home_page.h"
#include "bank/sysex_writer.h"
#include "modal_answers.h"
#include "qt_printers.h"
#include "forms/application.h"
#include "forms/centring.h"
#include "forms/shell.h"
#include "main_window_cases.h"
#include "platform/qt/peers.h"
#include "ui/rand1.h"

namespace orvanel {
namespace {

using testing::ModalAnswers;

TEST(CentredOrigin, FollowsTheIntegerFormulaAndNeverLeavesTheScreen) {
  struct Case {
    int screen_width, screen_height;
    WindowOrigin origin;
  };
  for (const Case c : {Case{1024, 768, {362, 284}}, Case{1920, 1080, {810, 440}}, Case{301, 201, {0, 0}},
                       Case{250, 150, {0, 0}}, Case{299, 800, {0, 300}}}) {
    EXPECT_EQ(CentredOrigin(c.screen_width, c.screen_height, 300, 200), c.origin)
        << c.screen_width << "x" << c.screen_height;
  }
}

// The window as start-up shows it.
class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    form.Show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  TForm1 form;
  QWidget& window = form.NativePeer();
  QPushButton* button1 = &form.Button1->NativePeer();
  QPushButton* button2 = &form.Button2->NativePeer();
  TImage::Peer& image1 = form.Image1->NativePeer();
  TImage::Peer& image2 = form.Image2->NativePeer();
  QLabel& label1 = form.Label1->NativePeer();
};

// Run on an X server without a window manager (see CMakeLists.txt), where
// nothing but the program itself makes its window active.
TEST(StartUp, MakesTheWindowActiveWithGenerateFocusedAndDrawnAsTheDefault) {
  TForm1 form;
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form.NativePeer()));
  EXPECT_EQ(QApplication::activeWindow(), &form.NativePeer());
  EXPECT_EQ(QApplication::focusWidget(), &form.Button1->NativePeer());
  EXPECT_TRUE(form.Button1->NativePeer().isDefault());
  EXPECT_FALSE(form.Button2->NativePeer().isDefault());
}

TEST_F(MainWindow, IsOneFramelessFixedWindowWithItsControlsInPlace) {
  EXPECT_EQ(Form1, &form);
  EXPECT_EQ(window.windowTitle(), "Orvanel");
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window.minimumSize(), QSize(300, 200));
  EXPECT_EQ(window.maximumSize(), QSize(300, 200));
  EXPECT_EQ(window.font().family(), "MS Sans Serif");
  EXPECT_EQ(window.font().pixelSize(), 11);

  // The label takes the size of its text in whatever face stands in for
  // MS Sans Serif (83 x 13 in that face itself), centred like the original.
  const QSize label_size = label1.sizeHint();
  struct Case {
    QWidget* control;
    QRect geometry;
    QString text;
    Qt::CursorShape cursor;
  };
  const Case cases[] = {
      {&image1, {0, 0, 300, 200}, {}, Qt::ArrowCursor},
      {&label1, {(300 - label_size.width()) / 2, 164, label_size.width(), label_size.height()},
       "v1.50 (08-Oct-03)", Qt::ArrowCursor},
      {&image2, {64, 80, 169, 25}, {}, Qt::PointingHandCursor},
      {button1, {28, 123, 145, 25}, "&Generate a random bank", Qt::ArrowCursor},
      {button2, {198, 123, 75, 25}, "&Quit", Qt::ArrowCursor},
  };
  const QObjectList stacking = window.children();
  qsizetype below = -1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control->metaObject()->className());
    EXPECT_EQ(c.control->geometry(), c.geometry);
    EXPECT_EQ(c.control->cursor().shape(), c.cursor);
    if (auto* label = qobject_cast<QLabel*>(c.control)) {
      EXPECT_EQ(label->text(), c.text);
    }
    if (auto* button = qobject_cast<QPushButton*>(c.control)) {
      EXPECT_EQ(button->text(), c.text);
    }
    // Children are stacked in creation order: each lies above the one before.
    EXPECT_GT(stacking.indexOf(c.control), below);
    below = stacking.indexOf(c.control);
  }
  EXPECT_FALSE(label1.autoFillBackground());
  EXPECT_EQ(label1.palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(button1->nextInFocusChain(), button2);
}

TEST_F(MainWindow, BackgroundIsThe555PictureWithItsPanelFrameAndText) {
  QFile file(":/ui/background.bmp");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bmp = file.readAll();
  const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bmp.constData() + at); };
  const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bmp.constData() + at); };
  EXPECT_EQ(u32(18), 300U);
  EXPECT_EQ(qint32(u32(22)), -200);  // top down
  EXPECT_EQ(u16(28), 16);  // bits per pixel
  EXPECT_EQ(u32(30), 3U);  // bit fields
  EXPECT_EQ(u32(54), 0x7C00U);
  EXPECT_EQ(u32(58), 0x03E0U);
  EXPECT_EQ(u32(62), 0x001FU);
  for (quint32 at = u32(10); at < quint32(bmp.size()); at += 2) ASSERT_EQ(u16(int(at)) & 0x8000, 0) << at;

  const QImage& picture = image1.Picture();
  ASSERT_EQ(picture.size(), QSize(300, 200));
  EXPECT_EQ(picture.format(), QImage::Format_RGB555);  // the embedded pixels themselves
  EXPECT_EQ(picture, QImage(":/ui/background.bmp").convertToFormat(QImage::Format_RGB555));  // as decoded
  struct Case {
    const char* where;
    QPoint at;
    QColor colour;
  };
  const Case cases[] = {
      {"panel, upper left", {14, 14}, {228, 161, 16}},   {"panel, middle", {150, 114}, {211, 150, 16}},
      {"panel, lower right", {285, 185}, {183, 126, 13}}, {"frame, top", {150, 3}, {214, 198, 180}},
      {"frame, left", {3, 100}, {135, 93, 43}},           {"frame, right", {296, 100}, {139, 104, 57}},
      {"frame, bottom", {150, 196}, {146, 108, 64}},      {"under the buttons", {100, 135}, {211, 150, 16}},
  };
  for (const Case& c : cases) {
    const QColor seen = picture.pixelColor(c.at);
    EXPECT_NEAR(seen.red(), c.colour.red(), 12) << c.where;
    EXPECT_NEAR(seen.green(), c.colour.green(), 12) << c.where;
    EXPECT_NEAR(seen.blue(), c.colour.blue(), 12) << c.where;
  }

  // White text only on the three lines, the link underlined on row 99 inside Image2.
  const auto white_in_row = [&](int row, int from = 0, int to = 299) {
    int count = 0;
    for (int x = from; x <= to; ++x) count += picture.pixelColor(x, row).lightness() > 240 ? 1 : 0;
    return count;
  };
  for (int row = 0; row < 200; ++row) {
    const bool on_a_line = (row >= 26 && row <= 37) || (row >= 66 && row <= 80) || (row >= 86 && row <= 100);
    if (!on_a_line) {
      EXPECT_EQ(white_in_row(row), 0) << "row " << row;
    }
  }
  EXPECT_GT(white_in_row(31), 10);
  EXPECT_GT(white_in_row(72), 20);
  EXPECT_GT(white_in_row(99, 71, 224), 140);
  EXPECT_EQ(white_in_row(99, 0, 63) + white_in_row(99, 233, 299), 0);
}

// The handlers' own effects are replaced by counters, so that every key's
// press is seen without a dialog or a closing window.
class Keyboard : public MainWindow {
 protected:
  Keyboard() {
    form.Button1->OnClick = [this](TObject* /*sender*/) { ++generate; };
    form.Button2->OnClick = [this](TObject* /*sender*/) { ++quit; };
  }
  int generate = 0;
  int quit = 0;
};

// A key of the table as Qt delivers it: Shift+Tab as Backtab, the keypad's
// Enter with the keypad modifier.
std::pair<Qt::Key, Qt::KeyboardModifiers> QtKey(testing::Key key, testing::Held held) {
  using testing::Key;
  constexpr Qt::KeyboardModifier modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                                Qt::AltModifier};
  const Qt::KeyboardModifiers down = modifiers[static_cast<int>(held)];
  switch (key) {
    case Key::Tab: return {held == testing::Held::Shift ? Qt::Key_Backtab : Qt::Key_Tab, down};
    case Key::Right: return {Qt::Key_Right, down};
    case Key::Down: return {Qt::Key_Down, down};
    case Key::Left: return {Qt::Key_Left, down};
    case Key::Up: return {Qt::Key_Up, down};
    case Key::Return: return {Qt::Key_Return, down};
    case Key::KeypadEnter: return {Qt::Key_Enter, down | Qt::KeypadModifier};
    case Key::Space: return {Qt::Key_Space, down};
    case Key::G: return {Qt::Key_G, down};
    case Key::Q: return {Qt::Key_Q, down};
    case Key::X: return {Qt::Key_X, down};
    case Key::Escape: return {Qt::Key_Escape, down};
  }
  return {Qt::Key_unknown, down};
}

TEST_F(Keyboard, EveryKeyDoesWhatItsRowSays) {
  for (const testing::KeyCase& c : testing::KeyCases) {
    SCOPED_TRACE(c.name);
    generate = quit = 0;
    QPushButton* start = c.from_quit ? button2 : button1;
    start->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), start);
    const auto [key, modifiers] = QtKey(c.key, c.held);
    QTest::keyClick(start, key, modifiers);
    EXPECT_EQ(generate, c.generate);
    EXPECT_EQ(quit, c.quit);
    QPushButton* focused = c.focus_on_quit_after ? button2 : button1;
    EXPECT_EQ(QApplication::focusWidget(), focused);
    EXPECT_TRUE(focused->isDefault());
    EXPECT_FALSE((focused == button1 ? button2 : button1)->isDefault());
  }
}

int opened = 0;
void CountOpen(std::string_view address) {
  EXPECT_EQ(address, HomePageAddress);
  ++opened;
}

class Mouse : public MainWindow {
 protected:
  Mouse() {
    SetWebAddressOpener(CountOpen);
    opened = 0;
  }
  ~Mouse() override { SetWebAddressOpener(nullptr); }

  // Press, move and release as a real mouse does, into the window, which
  // hands them to its controls itself.
  void PressAndRelease(QPoint press, QPoint release) {
    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, press);
    QTest::mouseMove(handle, release);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, release);
  }
};

TEST_F(Mouse, OnlyAClickInsideTheLinkOpensTheHomePageOnce) {
  for (const testing::LinkClickCase& c : testing::LinkClickCases) {
    SCOPED_TRACE(c.name);
    opened = 0;
    button2->setFocus();
    PressAndRelease({c.press.x, c.press.y}, {c.release.x, c.release.y});
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ(QApplication::focusWidget(), button2);  // no focus moves
  }

  // The window hands a release to the control that took the press; a release
  // that reaches the link without its press, however, is no click either.
  opened = 0;
  QTest::mouseRelease(&image2, Qt::LeftButton, {}, {80, 12});
  EXPECT_EQ(opened, 0);
}

// Platforms differ in whether the second press of a double click also comes
// as a plain press; either way the address opens once.
TEST_F(Mouse, ADoubleClickOpensTheHomePageOnce) {
  const QEvent::Type press = QEvent::MouseButtonPress;
  const QEvent::Type release = QEvent::MouseButtonRelease;
  const QEvent::Type double_click = QEvent::MouseButtonDblClick;
  const std::vector<QEvent::Type> sequences[] = {
      {press, release, double_click, release},
      {press, release, press, double_click, release},
  };
  quint64 time = 1000000;
  for (const auto& sequence : sequences) {
    opened = 0;
    for (QEvent::Type type : sequence) {
      const QPointF at(80, 12);
      QMouseEvent event(type, at, image2.mapToGlobal(at), Qt::LeftButton,
                        type == release ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
      event.setTimestamp(time += 40);
      QApplication::sendEvent(&image2, &event);
    }
    EXPECT_EQ(opened, 1);
    time += 10000;
  }
}

TEST(MainWindowLifetime, QuitAndClosingEndTheLoopWithExitCode0) {
  struct Case {
    const char* name;
    std::function<void(TForm1&)> end;
  };
  const Case cases[] = {
      {"q", [](TForm1& form) { QTest::keyClick(&form.Button1->NativePeer(), Qt::Key_Q); }},
      {"Quit clicked", [](TForm1& form) { QTest::mouseClick(&form.Button2->NativePeer(), Qt::LeftButton); }},
      {"closed by the desktop", [](TForm1& form) {
         QCloseEvent close;
         QCoreApplication::sendEvent(form.NativePeer().windowHandle(), &close);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm1 form;
    ASSERT_EQ(Application->MainForm(), &form);
    QTimer::singleShot(0, &form.NativePeer(), [&] { c.end(form); });
    EXPECT_EQ(Application->Run(), 0);
    EXPECT_FALSE(form.NativePeer().isVisible());
  }
}

// A cancel on the first press changes nothing, and the next dialog again
// opens with an empty name.
TEST_F(MainWindow, ACancelledFirstPressLeavesTheNextDialogEmpty) {
  ModalAnswers answers;
  QStringList names;
  for (int press = 1; press <= 2; ++press) {
    answers.Then([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      names << testing::NameBox(dialog)->text();
      QTimer::singleShot(0, dialog, &QDialog::reject);
    });
    QTest::keyClick(button1, Qt::Key_G);
  }
  EXPECT_TRUE(answers.AllAnswered());  // and no message
  EXPECT_EQ(names, QStringList({"", ""}));
  EXPECT_TRUE(form.SaveDialog1->FileName.empty());
}

// The whole command through the window: an error box, then the window still
// works, the dialog offers the last path, and an existing file needs consent.
TEST_F(MainWindow, GenerateRecoversFromAnErrorAndReplacesOnlyWithConsent) {
  QTemporaryDir folder;
  const QString missing = folder.filePath("missing/bank.syx");
  const QString good = folder.filePath("bank.syx");
  ModalAnswers answers;
  const auto save_as = [&](QString path, QString offered) {
    answers.Then([path, offered](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->windowTitle(), "Save JD800 Sysex Bank ...");
      if (!offered.isEmpty()) {
        EXPECT_EQ(dialog->selectedFiles().value(0), offered);
      }
      testing::TypePathAndAccept(dialog, path);
    });
  };
  const auto box = [&](QString caption, QString text, QMessageBox::StandardButton press) {
    answers.Then([=](QWidget* modal) {
      auto* message = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(message, nullptr);
      if (!caption.isEmpty()) {
        EXPECT_EQ(message->windowTitle(), caption);
        EXPECT_EQ(message->text(), text);
      }
      QTimer::singleShot(0, message->button(press), &QAbstractButton::click);
    });
  };

  save_as(missing, {});
  box("ui_tests", "Invalid filename.", QMessageBox::Ok);
  QTest::keyClick(button1, Qt::Key_G);
  EXPECT_FALSE(QFileInfo::exists(missing));

  save_as(good, folder.filePath("bank.syx"));  // its folder gone, the name is offered in the nearest one
  box("Information", "Bank has been generated and saved!", QMessageBox::Ok);
  QTest::keyClick(button1, Qt::Key_Return);
  const QByteArray first = [&] {
    QFile file(good);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  EXPECT_EQ(first.size(), qsizetype(SysexFileSize));

  save_as(good, good);
  box({}, {}, QMessageBox::Yes);  // the overwrite question
  box("Information", "Bank has been generated and saved!", QMessageBox::Ok);
  QTest::mouseClick(button1, Qt::LeftButton);
  QFile second(good);
  ASSERT_TRUE(second.open(QIODevice::ReadOnly));
  const QByteArray replaced = second.readAll();
  EXPECT_EQ(replaced.size(), qsizetype(SysexFileSize));
  EXPECT_NE(replaced, first);  // drawn anew after a fresh seed
  EXPECT_TRUE(answers.AllAnswered());
  EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace orvanel
