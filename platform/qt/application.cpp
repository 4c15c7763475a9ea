#include "forms/application.h"

#include "forms/form.h"
#include "platform/qt/application_title.h"
#include "platform/qt/peers.h"

namespace orvanel {
namespace {

// Qt is handed the program's name alone: the program reads no arguments.
int argument_count = 1;
char program_name[] = "orvanel";
char* program_arguments[] = {program_name, nullptr};

}  // namespace

TApplication::Peer::Peer() : QApplication(argument_count, program_arguments) {}

bool TApplication::Peer::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    Application->HandleException(error);
    return true;
  }
}

TApplication::TApplication() : TComponent(nullptr), peer_(std::make_unique<Peer>()) { Application = this; }

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
