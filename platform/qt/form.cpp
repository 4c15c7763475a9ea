#include "forms/form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "forms/application.h"
#include "forms/centring.h"
#include "forms/controls.h"
#include "platform/qt/peers.h"

namespace orvanel {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

TKeyPress KeyPressOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers();
  TKeyPress press{TKey::Other, 0, held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier),
                  held.testFlag(Qt::AltModifier)};
  const int key = event.key();
  switch (key) {
    case Qt::Key_Backtab: press.shift = true; [[fallthrough]];
    case Qt::Key_Tab: press.key = TKey::Tab; break;
    case Qt::Key_Left: press.key = TKey::Left; break;
    case Qt::Key_Right: press.key = TKey::Right; break;
    case Qt::Key_Up: press.key = TKey::Up; break;
    case Qt::Key_Down: press.key = TKey::Down; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: press.key = TKey::Return; break;
    case Qt::Key_Escape: press.key = TKey::Escape; break;
    default:
      if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        press.key = TKey::Letter;
        press.letter = static_cast<char>('A' + (key - Qt::Key_A));
      }
  }
  return press;
}

}  // namespace

TForm::Peer::Peer(TForm& owner) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), form(owner) {
  const TFormDescription& description = form.Description();
  setWindowTitle(Text(description.Caption));
  setFixedSize(description.ClientWidth, description.ClientHeight);
  QFont face(Text(description.Font.Name));
  face.setStyleHint(QFont::SansSerif);
  face.setPixelSize(description.Font.Height);
  setFont(face);
}

bool TForm::Peer::eventFilter(QObject* watched, QEvent* event) {
  auto* peer = dynamic_cast<TButton::Peer*>(watched);
  if (peer == nullptr) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      form.ButtonFocused(peer->button);
      return false;
    case QEvent::ShortcutOverride:
      // Claim the accelerators before the mnemonic shortcuts see them, so
      // that each presses its button at once and in one place.
      if (form.AcceleratorButton(KeyPressOf(*static_cast<QKeyEvent*>(event))) != nullptr) {
        event->accept();
        return true;
      }
      return false;
    case QEvent::KeyPress:
      return form.DialogKey(peer->button, KeyPressOf(*static_cast<QKeyEvent*>(event)));
    default:
      return false;
  }
}

TForm::TForm(const TFormDescription& description)
    : TComponent(nullptr), description_(description), peer_(std::make_unique<Peer>(*this)) {
  if (Application != nullptr) Application->FormCreated(*this);
}

TForm::~TForm() {
  DestroyComponents();
  if (Application != nullptr) Application->FormDestroyed(*this);
}

void TForm::Show() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const WindowOrigin origin =
      CentredOrigin(screen.width(), screen.height(), description_.ClientWidth, description_.ClientHeight);
  peer_->move(screen.left() + origin.left, screen.top() + origin.top);
  peer_->show();
  // A desktop without a window manager activates nothing by itself.
  peer_->activateWindow();
  if (TButton* first = FirstInTabOrder()) {
    first->SetFocus();
    ButtonFocused(*first);
  }
}

void TForm::Close() { peer_->close(); }

std::uintptr_t TForm::Handle() const { return peer_->winId(); }

}  // namespace orvanel
