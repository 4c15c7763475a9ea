#include "platform/qt/application.h"

#include "platform/qt/application_title.h"
#include "runtime/error_text.h"
#include "platform/qt/message_dialog.h"

namespace orvanel {
namespace {

// QApplication keeps its argc and argv for the whole run.
int program_argc = 1;
char empty_name[] = "";
char* program_argv[] = {empty_name, nullptr};

int& ProgramOnly(char* program_name) {
  if (program_name != nullptr) program_argv[0] = program_name;
  return program_argc;
}

}  // namespace

TApplication::TApplication(char* program_name) : QApplication(ProgramOnly(program_name), program_argv) {}

int TApplication::Run(QWidget& main_form) {
  ShowMainForm(main_form);
  return exec();
}

void TApplication::ShowMainForm(QWidget& main_form) {
  main_form.show();
  // A desktop without a window manager activates nothing by itself.
  main_form.activateWindow();
}

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
