// The main window: the background picture, the version label, the home-page
// link and the Generate and Quit buttons.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "platform/qt/image_control.h"
#include "platform/qt/save_dialog.h"

namespace orvanel {

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  QPushButton* Button1;
  TSaveDialog* SaveDialog1;
  QPushButton* Button2;
  TImage* Image1;
  QLabel* Label1;
  TImage* Image2;

  void Button1Click(QObject* sender);
  void Button2Click(QObject* sender);
  void Image2Click(QObject* sender);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FocusOtherButton(QPushButton* current);
};

// The one main window, from its creation to the end of the program.
extern TForm1* Form1;

}  // namespace orvanel
