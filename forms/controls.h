// The controls that lie on a form: push buttons, text labels and picture
// controls. Each is made from one row of its form's description and is drawn
// by the platform's backend (platform/qt, platform/win32) through its Peer.
#pragma once

#include <memory>
#include <string_view>

#include "forms/component.h"

namespace orvanel {

class TForm;

struct TBounds {
  int Left;
  int Top;
  int Width;
  int Height;
};

enum class TCursor { crDefault, crHandPoint };

// One control's row in a form's description. The texts are views of
// constants that outlive the form.
struct TControlDescription {
  TBounds Bounds;
  std::string_view Caption = {};  // a button's or label's text; "&" marks the accelerator key
  TCursor Cursor = TCursor::crDefault;
  std::string_view Picture = {};  // a picture control's bitmap, by its name among the program's resources
};

class TControl : public TComponent {
 public:
  TControl(TForm& owner, const TControlDescription& description);
  TForm& Form() const { return form_; }
  const TControlDescription& Description() const { return description_; }

 private:
  TForm& form_;
  TControlDescription description_;
};

class TButton : public TControl {
 public:
  TButton(TForm& owner, const TControlDescription& description);
  ~TButton() override;

  TNotifyEvent OnClick;
  // What a click or a key press of the button does: runs OnClick; an error
  // escaping it goes to the application's error display.
  void Click();
  // The letter after "&" in the caption, in upper case; 0 when there is none.
  char Accelerator() const;

  void SetFocus();
  // Draws or removes the default-button frame.
  void SetDefault(bool is_default);

  struct Peer;
  Peer& NativePeer() const { return *peer_; }

 private:
  std::unique_ptr<Peer> peer_;
};

// Transparent: the picture beneath shows between its letters.
class TLabel : public TControl {
 public:
  TLabel(TForm& owner, const TControlDescription& description);
  ~TLabel() override;

  struct Peer;
  Peer& NativePeer() const { return *peer_; }

 private:
  std::unique_ptr<Peer> peer_;
};

// Shows its picture, if it has one, at 1:1 from its top-left corner. A click
// is a left press and release both inside it; the second press of a double
// click is none.
class TImage : public TControl {
 public:
  TImage(TForm& owner, const TControlDescription& description);
  ~TImage() override;

  TNotifyEvent OnClick;
  void Click();

  struct Peer;
  Peer& NativePeer() const { return *peer_; }

 private:
  std::unique_ptr<Peer> peer_;
};

}  // namespace orvanel
