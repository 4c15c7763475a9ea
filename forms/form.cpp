#include "forms/form.h"

#include <algorithm>

#include "forms/controls.h"

namespace orvanel {

bool TForm::DialogKey(TButton& focused, const TKeyPress& key) {
  switch (key.key) {
    case TKey::Tab:  // Shift+Tab goes back
      FocusNeighbour(focused, key.shift ? -1 : 1);
      return true;
    case TKey::Right:
    case TKey::Down:
      FocusNeighbour(focused, 1);
      return true;
    case TKey::Left:
    case TKey::Up:
      FocusNeighbour(focused, -1);
      return true;
    case TKey::Return:  // with Shift, Ctrl or Alt held: nothing
      if (!key.shift && !key.ctrl && !key.alt) focused.Click();
      return true;
    case TKey::Escape:  // nothing, and no one else sees it
      return true;
    case TKey::Letter:
      if (TButton* button = AcceleratorButton(key)) {
        button->Click();
        return true;
      }
      return false;
    case TKey::Other:
      break;
  }
  return false;
}

TButton* TForm::AcceleratorButton(const TKeyPress& key) const {
  // Typed alone or with Alt; Shift only makes it a capital.
  if (key.key != TKey::Letter || key.ctrl) return nullptr;
  const auto found = std::find_if(tab_order_.begin(), tab_order_.end(),
                                  [&](const TButton* button) { return button->Accelerator() == key.letter; });
  return found == tab_order_.end() ? nullptr : *found;
}

void TForm::ButtonFocused(TButton& focused) {
  // Enter presses the focused button, so that is the one drawn as default.
  for (TButton* button : tab_order_) button->SetDefault(button == &focused);
}

void TForm::FocusNeighbour(TButton& focused, int step) {
  const auto count = static_cast<int>(tab_order_.size());
  const auto at = static_cast<int>(std::find(tab_order_.begin(), tab_order_.end(), &focused) - tab_order_.begin());
  if (at == count) return;
  tab_order_[static_cast<std::size_t>((at + step + count) % count)]->SetFocus();
}

}  // namespace orvanel
