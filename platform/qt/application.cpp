#include "platform/qt/application.h"

#include "platform/qt/application_title.h"
#include "runtime/error_text.h"
#include "platform/qt/message_dialog.h"

namespace orvanel {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void TApplication::HandleException(const std::exception& error) {
  MessageDlg(ErrorDisplayText(error.what()), MsgDlgType::Error,
             ApplicationTitle(QCoreApplication::applicationFilePath()));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    HandleException(error);
    return true;
  }
}

}  // namespace orvanel
