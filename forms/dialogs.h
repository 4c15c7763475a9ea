// The save-file dialog component and the modal message boxes.
#pragma once

#include <string>
#include <string_view>

#include "forms/component.h"
#include "runtime/save_file_prompt.h"

namespace orvanel {

class TForm;

enum TOpenOption : unsigned {
  ofOverwritePrompt = 1U << 0U,  // ask before an existing file is replaced
  ofHideReadOnly = 1U << 1U,     // no read-only check box
  ofEnableSizing = 1U << 2U,     // the user can resize the dialog
};

struct TSaveDialogDescription {
  std::string_view Title;
  std::string_view Filter;      // "Name|*.ext" pairs, joined by "|"
  std::string_view DefaultExt;  // added to a name typed without an extension
  unsigned Options;
};

// Its settings live with the owning form; every Execute opens a fresh modal
// dialog from them.
class TSaveDialog : public TComponent, public SaveFilePrompt {
 public:
  TSaveDialog(TForm& owner, const TSaveDialogDescription& description);

  std::string Title;
  std::string Filter;
  std::string DefaultExt;
  unsigned Options;
  std::string FileName;  // UTF-8; the initial name, and the confirmed path afterwards

  bool Execute() override;
  std::string ChosenPath() const override { return FileName; }

  TForm& Form() const { return form_; }

 private:
  TForm& form_;
};

enum class MsgDlgType { Information, Error };

// A modal box of fixed size with one OK button (Enter and Esc close it),
// owned by the active window and centred on the screen; returns once the
// user has closed it. An information box is captioned "Information"; an
// error box takes `caption`.
void MessageDlg(std::string_view text, MsgDlgType type, std::string_view caption = {});

}  // namespace orvanel
