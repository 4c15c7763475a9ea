#include "ui/rand1.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "bank/generate_command.h"
#include "bank/home_page.h"
#include "bank/version.h"
#include "platform/qt/application.h"
#include "platform/qt/message_dialog.h"
#include "platform/qt/shell.h"
#include "ui/background.h"
#include "ui/centring.h"

namespace orvanel {

TForm1* Form1 = nullptr;

namespace {

// The one bank of the run; every Generate that gets past the dialog refills it.
Bank bank;

constexpr int FormWidth = 300;
constexpr int FormHeight = 200;

QPushButton* MakeButton(QWidget* parent, const char* caption, int left, int top, int width) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setGeometry(left, top, width, 25);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  Form1 = this;
  setWindowTitle(QStringLiteral("Orvanel"));
  setFixedSize(FormWidth, FormHeight);
  QFont form_font(QStringLiteral("MS Sans Serif"));
  form_font.setStyleHint(QFont::SansSerif);
  form_font.setPixelSize(11);
  setFont(form_font);

  // Created bottom to top: a later control lies above an earlier one.
  Image1 = new TImage(this);
  Image1->setGeometry(0, 0, FormWidth, FormHeight);
  Image1->SetPicture(BackgroundPicture());

  // Sized to its text and centred on the window's middle: 108, 164, 83 x 13
  // in the face the layout was drawn for, still centred in a substitute.
  Label1 = new QLabel(QString::fromLatin1(VersionText.data(), qsizetype(VersionText.size())), this);
  Label1->adjustSize();
  Label1->move((FormWidth - Label1->width()) / 2, 164);
  QPalette label_palette = Label1->palette();
  label_palette.setColor(QPalette::WindowText, Qt::black);
  Label1->setPalette(label_palette);

  Image2 = new TImage(this);
  Image2->setGeometry(64, 80, 169, 25);
  Image2->setCursor(Qt::PointingHandCursor);

  Button1 = MakeButton(this, "&Generate a random bank", 28, 123, 145);
  Button2 = MakeButton(this, "&Quit", 198, 123, 75);
  setTabOrder(Button1, Button2);

  SaveDialog1 = new TSaveDialog(this);
  SaveDialog1->Title = QStringLiteral("Save JD800 Sysex Bank ...");
  SaveDialog1->Filter = QStringLiteral("JD800 Sysex File|*.syx");
  SaveDialog1->DefaultExt = QStringLiteral(".syx");
  SaveDialog1->Options = ofOverwritePrompt | ofHideReadOnly | ofEnableSizing;

  BindHandler(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  BindHandler(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  BindHandler(Image2, &TImage::Click, this, &TForm1::Image2Click);
  Button1->installEventFilter(this);
  Button2->installEventFilter(this);

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const WindowOrigin origin = CentredOrigin(screen.width(), screen.height(), FormWidth, FormHeight);
  move(screen.left() + origin.left, screen.top() + origin.top);
  Button1->setFocus();
  Button1->setDefault(true);
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::Button1Click(QObject* /*sender*/) {
  GenerateCommand(bank, *SaveDialog1,
                  [](std::string_view text) { MessageDlg(text, MsgDlgType::Information); });
}

void TForm1::Button2Click(QObject* /*sender*/) { close(); }

void TForm1::Image2Click(QObject* /*sender*/) { OpenWebAddress(HomePageAddress); }

void TForm1::FocusOtherButton(QPushButton* current) {
  (current == Button1 ? Button2 : Button1)->setFocus(Qt::TabFocusReason);
}

namespace {

// G and Q press their buttons, typed alone or with Alt (Shift makes a capital).
bool IsAccelerator(const QKeyEvent& key) {
  const Qt::KeyboardModifiers others =
      key.modifiers() & ~(Qt::AltModifier | Qt::ShiftModifier | Qt::KeypadModifier);
  return others == Qt::NoModifier && (key.key() == Qt::Key_G || key.key() == Qt::Key_Q);
}

}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  auto* button = qobject_cast<QPushButton*>(watched);
  if (button == nullptr) return QWidget::eventFilter(watched, event);

  switch (event->type()) {
    case QEvent::FocusIn:
      // Enter presses the focused button, so that is the one drawn as default.
      Button1->setDefault(button == Button1);
      Button2->setDefault(button == Button2);
      return false;
    case QEvent::ShortcutOverride:
      // Claim G and Q before the mnemonic shortcuts see them, so that every
      // accelerator presses its button at once and in one place.
      if (IsAccelerator(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
      }
      return false;
    case QEvent::KeyPress:
      break;
    default:
      return false;
  }

  const auto& key = *static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers held =
      key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      FocusOtherButton(button);  // two buttons: next and previous are the other one
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (held == Qt::NoModifier) button->click();
      return true;
    case Qt::Key_Escape:
      return true;
    case Qt::Key_G:
    case Qt::Key_Q:
      if (!IsAccelerator(key)) return false;
      (key.key() == Qt::Key_G ? Button1 : Button2)->click();
      return true;
    default:
      return false;
  }
}

}  // namespace orvanel
