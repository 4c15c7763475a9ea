#include "platform/qt/application_title.h"

namespace orvanel {

QString ApplicationTitle(const QString& executable_path) {
  QString name = executable_path.mid(executable_path.lastIndexOf(u'/') + 1);
  name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
  return name.left(1) + name.mid(1).toLower();
}

}  // namespace orvanel
