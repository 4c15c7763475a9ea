#include "forms/application.h"

#include "forms/form.h"
#include "platform/win32/peers.h"
#include "platform/win32/application_title.h"

namespace orvanel {

// Windows names the program itself (Title).
TApplication::TApplication(char* /*program_name*/) : TComponent(nullptr), peer_(std::make_unique<Peer>()) {
  Application = this;
}

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
}

int TApplication::Run() {
  if (main_form_ != nullptr) main_form_->Show();
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) HandleMessage(message);
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

std::string TApplication::Title() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (size < path.size()) {
      path.resize(size);
      return ApplicationTitle(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace orvanel
