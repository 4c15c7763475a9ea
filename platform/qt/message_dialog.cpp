#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "forms/dialogs.h"

namespace orvanel {

void MessageDlg(std::string_view text, MsgDlgType type, std::string_view caption) {
  const bool information = type == MsgDlgType::Information;
  QMessageBox box(information ? QMessageBox::Information : QMessageBox::Critical,
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
