#include "runtime/save_dialog.h"

#include <QFile>
#include <QFileDialog>

namespace orvanel {

TSaveDialog::TSaveDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

bool TSaveDialog::Execute() {
  QFileDialog dialog(owner_, Title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QtNameFilters(Filter));
  dialog.setDefaultSuffix(DefaultExt.startsWith(u'.') ? DefaultExt.mid(1) : DefaultExt);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, (Options & ofOverwritePrompt) == 0);
  dialog.setSizeGripEnabled((Options & ofEnableSizing) != 0);
  if (!FileName.isEmpty()) dialog.selectFile(FileName);
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
