#include "platform/qt/image_control.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace orvanel {

TImage::TImage(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground);
}

void TImage::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void TImage::paintEvent(QPaintEvent* /*event*/) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void TImage::mousePressEvent(QMouseEvent* event) {
  // Some platforms deliver the second press of a double click as a plain
  // press before the double-click event; it is not a click either.
  const bool second_of_double = clicked_before_ && event->timestamp() - last_click_time_ <
                                                       quint64(QApplication::doubleClickInterval());
  pressed_inside_ = event->button() == Qt::LeftButton && !second_of_double;
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_inside_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_inside_ = false;
  if (!click) return;
  clicked_before_ = true;
  last_click_time_ = event->timestamp();
  emit Click();
}

void TImage::mouseDoubleClickEvent(QMouseEvent* /*event*/) { pressed_inside_ = false; }

}  // namespace orvanel
