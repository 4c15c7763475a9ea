#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "forms/dialogs.h"
#include "platform/qt/peers.h"

namespace orvanel {
namespace {

// The last path, moved into the nearest folder that still exists (the last
// write may have failed for want of its folder): QFileDialog garbles a path
// in a missing folder.
QString OfferedPath(const QString& last_path) {
  if (last_path.isEmpty()) return {};
  const QFileInfo file(last_path);
  QString folder = file.absolutePath();
  while (!QFileInfo(folder).isDir()) folder = QFileInfo(folder).path();  // ends at "/" at the latest
  return QDir(folder).filePath(file.fileName());
}

// "Name|*.a;*.b|Other|*.c" as Qt's name filters: "Name (*.a *.b)", "Other (*.c)".
QStringList QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') + u')';
  }
  return filters;
}

// The default extension as Qt takes it, without its leading period.
QString Suffix(const QString& default_ext) {
  return default_ext.startsWith(u'.') ? default_ext.mid(1) : default_ext;
}

// The path that is written: the default extension after a file name typed
// without one.
QString WithDefaultExt(const QString& path, const QString& default_ext) {
  const QString suffix = Suffix(default_ext);
  if (suffix.isEmpty() || QFileInfo(path).fileName().contains(u'.')) return path;
  return path + u'.' + suffix;
}

// Qt's own question, in Qt's words.
bool MayReplace(QWidget* owner, const QString& title, const QString& path) {
  const QString question = QFileDialog::tr("%1 already exists.\nDo you want to replace it?");
  return QMessageBox::warning(owner, title, question.arg(QFileInfo(path).fileName()),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

// The path the dialog returns, as typed; empty when cancelled.
QString AskForName(const TSaveDialog& settings, const QString& offered) {
  QFileDialog dialog(&settings.Form().NativePeer(), QString::fromStdString(settings.Title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QtNameFilters(QString::fromStdString(settings.Filter)));
  // Qt's own dialog adds the extension before it checks the name. After a
  // desktop's dialog (it has no widgets of Qt's) Qt would add it unchecked.
  if (dialog.layout() != nullptr) dialog.setDefaultSuffix(Suffix(QString::fromStdString(settings.DefaultExt)));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, (settings.Options & ofOverwritePrompt) == 0);
  dialog.setSizeGripEnabled((settings.Options & ofEnableSizing) != 0);
  if (!offered.isEmpty()) dialog.selectFile(offered);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

// Asks once before an existing file is replaced (ofOverwritePrompt),
// whichever dialog Qt shows. After a "No" the user chooses again: in Qt's own
// dialog, which stays open, or in a desktop's, opened again on the name as
// typed.
bool TSaveDialog::Execute() {
  QString offered = OfferedPath(QString::fromStdString(FileName));
  for (;;) {
    const QString typed = AskForName(*this, offered);
    if (typed.isEmpty()) return false;
    // Every dialog, Qt's own or the desktop's, checks the name it returns;
    // an extension added after a desktop's dialog has closed is checked here.
    const QString path = WithDefaultExt(typed, QString::fromStdString(DefaultExt));
    const QFileInfo file(path);
    if (path != typed && (Options & ofOverwritePrompt) != 0 && file.exists() && !file.isDir() &&
        !MayReplace(&Form().NativePeer(), QString::fromStdString(Title), path)) {
      offered = typed;  // choose again, from the name as typed
      continue;
    }
    FileName = path.toStdString();
    return true;
  }
}

}  // namespace orvanel
