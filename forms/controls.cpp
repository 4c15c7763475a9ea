#include "forms/controls.h"

#include "forms/application.h"
#include "forms/form.h"

namespace orvanel {

TControl::TControl(TForm& owner, const TControlDescription& description)
    : TComponent(&owner), form_(owner), description_(description) {}

void TButton::Click() { RunEvent(OnClick, this); }

char TButton::Accelerator() const {
  const std::string_view caption = Description().Caption;
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') {
      const char letter = caption[i + 1];
      return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    }
    ++i;  // "&&" is a plain "&"
  }
  return 0;
}

void TImage::Click() { RunEvent(OnClick, this); }

}  // namespace orvanel
