#include "forms/controls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "forms/form.h"
#include "platform/qt/peers.h"
#include "platform/qt/picture.h"

namespace orvanel {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QRect Geometry(const TBounds& bounds) { return {bounds.Left, bounds.Top, bounds.Width, bounds.Height}; }

}  // namespace

TButton::Peer::Peer(TButton& owner, TForm::Peer& form) : QPushButton(Text(owner.Description().Caption), &form), button(owner) {
  setGeometry(Geometry(owner.Description().Bounds));
  setAutoDefault(false);
  installEventFilter(&form);
  connect(this, &QPushButton::clicked, [this] { button.Click(); });
}

TButton::TButton(TForm& owner, const TControlDescription& description)
    : TControl(owner, description), peer_(std::make_unique<Peer>(*this, owner.NativePeer())) {
  owner.AddToTabOrder(*this);
}

TButton::~TButton() = default;

void TButton::SetFocus() { peer_->setFocus(Qt::TabFocusReason); }

void TButton::SetDefault(bool is_default) { peer_->setDefault(is_default); }

TLabel::Peer::Peer(const TControlDescription& description, TForm::Peer& form) : QLabel(Text(description.Caption), &form) {
  // Sized to its text. Where a substitute stands in for the form's face and
  // sets the text wider or narrower than designed, the label keeps the
  // designed box's centre, halves rounded up.
  adjustSize();
  const TBounds& bounds = description.Bounds;
  move((2 * bounds.Left + bounds.Width + 1 - width()) / 2, bounds.Top);
  QPalette black_text = palette();
  black_text.setColor(QPalette::WindowText, Qt::black);
  setPalette(black_text);
}

TLabel::TLabel(TForm& owner, const TControlDescription& description)
    : TControl(owner, description), peer_(std::make_unique<Peer>(description, owner.NativePeer())) {}

TLabel::~TLabel() = default;

TImage::Peer::Peer(TImage& owner, TForm::Peer& form) : QWidget(&form), image(owner) {
  const TControlDescription& description = owner.Description();
  setGeometry(Geometry(description.Bounds));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground);
  if (description.Cursor == TCursor::crHandPoint) setCursor(Qt::PointingHandCursor);
  if (!description.Picture.empty()) picture = ResourcePicture(description.Picture);
}

void TImage::Peer::paintEvent(QPaintEvent* /*event*/) {
  if (picture.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture);
}

void TImage::Peer::mousePressEvent(QMouseEvent* event) {
  // Some platforms deliver the second press of a double click as a plain
  // press before the double-click event; it is not a click either.
  const bool second_of_double = clicked_before_ && event->timestamp() - last_click_time_ <
                                                       quint64(QApplication::doubleClickInterval());
  pressed_inside_ = event->button() == Qt::LeftButton && !second_of_double;
}

void TImage::Peer::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_inside_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_inside_ = false;
  if (!click) return;
  clicked_before_ = true;
  last_click_time_ = event->timestamp();
  image.Click();
}

void TImage::Peer::mouseDoubleClickEvent(QMouseEvent* /*event*/) { pressed_inside_ = false; }

TImage::TImage(TForm& owner, const TControlDescription& description)
    : TControl(owner, description), peer_(std::make_unique<Peer>(*this, owner.NativePeer())) {}

TImage::~TImage() = default;

}  // namespace orvanel
