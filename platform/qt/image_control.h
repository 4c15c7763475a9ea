// A picture control: draws its picture, if any, at 1:1 from its top-left
// corner, and reports a click when the left button goes down and up inside it.
#pragma once

#include <QImage>
#include <QWidget>

namespace orvanel {

class TImage : public QWidget {
  Q_OBJECT

 public:
  explicit TImage(QWidget* parent);
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

 signals:
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The second press of a double click is not a click.
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  bool pressed_inside_ = false;
  quint64 last_click_time_ = 0;
  bool clicked_before_ = false;
};

}  // namespace orvanel
