#include "forms/application.h"

#include "forms/dialogs.h"
#include "runtime/error_text.h"

namespace orvanel {

TApplication* Application = nullptr;

void TApplication::FormCreated(TForm& form) {
  if (main_form_ == nullptr) main_form_ = &form;
}

void TApplication::FormDestroyed(TForm& form) {
  if (main_form_ == &form) main_form_ = nullptr;
}

void TApplication::HandleException(const std::exception& error) {
  MessageDlg(ErrorDisplayText(error.what()), MsgDlgType::Error, Title());
}

void RunEvent(const TNotifyEvent& event, TObject* sender) {
  if (!event) return;
  try {
    event(sender);
  } catch (const std::exception& error) {
    if (Application == nullptr) throw;
    Application->HandleException(error);
  }
}

}  // namespace orvanel
