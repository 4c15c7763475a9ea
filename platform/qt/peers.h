// The Qt objects behind the window layer: the application, the form and its
// controls. The backend builds them; the widget tests reach them through
// NativePeer().
#pragma once

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace orvanel {

struct TApplication::Peer final : QApplication {
  explicit Peer(char* program_name);
  // An error escaping any event goes to the application's error display,
  // never back into Qt.
  bool notify(QObject* receiver, QEvent* event) override;
};

struct TForm::Peer final : QWidget {
  explicit Peer(TForm& form);
  // The form's keyboard, on every key that reaches one of its buttons.
  bool eventFilter(QObject* watched, QEvent* event) override;

  TForm& form;
};

struct TButton::Peer final : QPushButton {
  Peer(TButton& button, TForm::Peer& form);

  TButton& button;
};

struct TLabel::Peer final : QLabel {
  Peer(const TControlDescription& description, TForm::Peer& form);
};

struct TImage::Peer final : QWidget {
  Peer(TImage& image, TForm::Peer& form);
  const QImage& Picture() const { return picture; }

  TImage& image;
  QImage picture;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The second press of a double click is not a click.
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool pressed_inside_ = false;
  quint64 last_click_time_ = 0;
  bool clicked_before_ = false;
};

}  // namespace orvanel
