// A save-file dialog component: its settings live with the owning window, and
// every Execute opens a fresh modal dialog from them.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include "runtime/save_file_prompt.h"

namespace orvanel {

enum SaveDialogOption : unsigned {
  ofOverwritePrompt = 1U << 0U,  // ask before an existing file is replaced
  ofHideReadOnly = 1U << 1U,     // no read-only check box (Qt's dialog never has one)
  ofEnableSizing = 1U << 2U,     // the user can resize the dialog
};

class TSaveDialog : public QObject, public SaveFilePrompt {
  Q_OBJECT

 public:
  explicit TSaveDialog(QWidget* owner);

  QString Title;
  QString Filter;      // "Name|*.ext" pairs, joined by "|"
  QString DefaultExt;  // added to a file name typed without an extension
  unsigned Options = 0;
  QString FileName;    // initial name; holds the confirmed path afterwards

  // Asks once before an existing file is replaced (ofOverwritePrompt),
  // whichever dialog Qt shows. After a "No" the user chooses again: in Qt's
  // own dialog, which stays open, or in a desktop's, opened again on the name
  // as typed.
  bool Execute() override;
  std::string ChosenPath() const override;

 private:
  // The path the dialog returns, as typed; empty when cancelled.
  QString AskForName(const QString& offered) const;

  QWidget* owner_;
};

// "Name|*.a;*.b|Other|*.c" as Qt's name filters: "Name (*.a *.b)", "Other (*.c)".
QStringList QtNameFilters(const QString& filter);

}  // namespace orvanel
