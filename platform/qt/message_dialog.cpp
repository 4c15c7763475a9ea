#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "forms/dialogs.h"

namespace orvanel {
namespace {

// Qt places a box over its parent; this one stands in the middle of the
// screen. Its size is fixed once it has been laid out for showing.
class ScreenCentredBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    const QRect screen_area = screen()->geometry();
    const QSize frame = frameGeometry().size();  // move() places the frame
    move(screen_area.left() + (screen_area.width() - frame.width()) / 2,
         screen_area.top() + (screen_area.height() - frame.height()) / 2);
  }
};

}  // namespace

void MessageDlg(std::string_view text, MsgDlgType type, std::string_view caption) {
  const bool information = type == MsgDlgType::Information;
  ScreenCentredBox box(information ? QMessageBox::Information : QMessageBox::Critical,
                       information ? QStringLiteral("Information")
                                   : QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::NoButton,
                       QApplication::activeWindow());
  // One OK that answers Enter and Esc alike.
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}

}  // namespace orvanel
