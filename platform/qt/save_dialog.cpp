#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

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

}  // namespace

bool TSaveDialog::Execute() {
  const QString offered = OfferedPath(QString::fromStdString(FileName));
  QFileDialog dialog(&Form().NativePeer(), QString::fromStdString(Title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QtNameFilters(QString::fromStdString(Filter)));
  const QString extension = QString::fromStdString(DefaultExt);
  dialog.setDefaultSuffix(extension.startsWith(u'.') ? extension.mid(1) : extension);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, (Options & ofOverwritePrompt) == 0);
  dialog.setSizeGripEnabled((Options & ofEnableSizing) != 0);
  if (!offered.isEmpty()) dialog.selectFile(offered);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = dialog.selectedFiles().constFirst().toStdString();
  return true;
}

}  // namespace orvanel
