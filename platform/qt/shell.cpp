#include "forms/shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace orvanel {

// The desktop finds the browser; there is no owner window to name.
void NativeShellOpen(std::uintptr_t /*owner*/, std::string_view address) {
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(address.data(), static_cast<qsizetype>(address.size()))));
}

}  // namespace orvanel
