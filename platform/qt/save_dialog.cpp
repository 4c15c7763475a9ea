#include "platform/qt/save_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

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

}  // namespace

TSaveDialog::TSaveDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

bool TSaveDialog::Execute() {
  const QString offered = OfferedPath(FileName);
  QFileDialog dialog(owner_, Title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QtNameFilters(Filter));
  dialog.setDefaultSuffix(DefaultExt.startsWith(u'.') ? DefaultExt.mid(1) : DefaultExt);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, (Options & ofOverwritePrompt) == 0);
  dialog.setSizeGripEnabled((Options & ofEnableSizing) != 0);
  if (!offered.isEmpty()) dialog.selectFile(offered);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = dialog.selectedFiles().constFirst();
  return true;
}

std::string TSaveDialog::ChosenPath() const { return QFile::encodeName(FileName).toStdString(); }

QStringList QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') + u')';
  }
  return filters;
}

}  // namespace orvanel
