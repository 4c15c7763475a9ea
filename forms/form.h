// A form: a top-level window made from its description, centred on the
// screen, with the keyboard of a dialog: Tab and the arrows move the focus
// between its buttons, Enter presses the focused one, which alone wears the
// default-button frame, and a button's accelerator letter presses it.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "forms/component.h"

namespace orvanel {

class TButton;

struct TFont {
  std::string_view Name;
  int Height;  // character height in pixels
};

struct TFormDescription {
  std::string_view Caption;  // the window's text; a borderless form shows it nowhere
  int ClientWidth;
  int ClientHeight;
  TFont Font;
};

// A key as it reaches a form's focused button.
enum class TKey { Tab, Left, Right, Up, Down, Return, Escape, Letter, Other };
struct TKeyPress {
  TKey key;
  char letter;  // the letter in upper case, for TKey::Letter
  bool shift, ctrl, alt;
};

class TForm : public TComponent {
 public:
  explicit TForm(const TFormDescription& description);
  ~TForm() override;

  const TFormDescription& Description() const { return description_; }

  // Shows the form at the screen's centre as the active window, the focus
  // on the first button in tab order.
  void Show();
  // Closes the form; closing the main form ends the application.
  void Close();
  // The native window handle (an HWND on Windows).
  std::uintptr_t Handle() const;

  // For the backends. A key has reached `focused`: does what the keyboard
  // table says and returns true, or returns false for the button's own
  // handling (Space).
  bool DialogKey(TButton& focused, const TKeyPress& key);
  // The button that `key` presses as an accelerator, if any.
  TButton* AcceleratorButton(const TKeyPress& key) const;
  // The focus has moved to `focused`.
  void ButtonFocused(TButton& focused);
  // Buttons join the tab order as they are created.
  void AddToTabOrder(TButton& button) { tab_order_.push_back(&button); }
  const std::vector<TButton*>& TabOrder() const { return tab_order_; }
  TButton* FirstInTabOrder() const { return tab_order_.empty() ? nullptr : tab_order_.front(); }

  struct Peer;
  Peer& NativePeer() const { return *peer_; }

 private:
  void FocusNeighbour(TButton& focused, int step);

  TFormDescription description_;
  std::vector<TButton*> tab_order_;
  std::unique_ptr<Peer> peer_;
};

}  // namespace orvanel
