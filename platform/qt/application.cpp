#include "forms/application.h"

#include "forms/form.h"
#include "platform/qt/application_title.h"
#include "platform/qt/peers.h"

namespace orvanel {
namespace {

// QApplication keeps its argc and argv for the whole run.
int program_argc = 1;
char empty_name[] = "";
char* program_argv[] = {empty_name, nullptr};

// Qt sees the program's name alone: the program reads no command line, so
// none of Qt's own options (-style, -reverse, ...) takes effect either.
int& ProgramOnly(char* program_name) {
  if (program_name != nullptr) program_argv[0] = program_name;
  return program_argc;
}

}  // namespace

TApplication::Peer::Peer(char* program_name) : QApplication(ProgramOnly(program_name), program_argv) {}

bool TApplication::Peer::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    Application->HandleException(error);
    return true;
  }
}

TApplication::TApplication(char* program_name)
    : TComponent(nullptr), peer_(std::make_unique<Peer>(program_name)) {
  Application = this;
}

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
}

int TApplication::Run() {
  if (main_form_ != nullptr) main_form_->Show();
  return QApplication::exec();
}

std::string TApplication::Title() const {
  return ApplicationTitle(QCoreApplication::applicationFilePath()).toStdString();
}

}  // namespace orvanel
