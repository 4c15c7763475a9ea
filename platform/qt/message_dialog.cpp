#include "platform/qt/message_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace orvanel {

void MessageDlg(std::string_view text, MsgDlgType type, const QString& caption) {
  const bool information = type == MsgDlgType::Information;
  QMessageBox box(information ? QMessageBox::Information : QMessageBox::Critical,
                  information ? QStringLiteral("Information") : caption,
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::NoButton, QApplication::activeWindow());
  // One OK that answers Enter and Esc alike.
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}

}  // namespace orvanel
