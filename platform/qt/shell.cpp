#include "platform/qt/shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace orvanel {
namespace {

void OpenWithDesktop(std::string_view address) {
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(address.data(), static_cast<qsizetype>(address.size()))));
}

WebAddressOpener active_opener = OpenWithDesktop;

}  // namespace

void OpenWebAddress(std::string_view address) { active_opener(address); }

void SetWebAddressOpener(WebAddressOpener opener) {
  active_opener = opener != nullptr ? opener : OpenWithDesktop;
}

}  // namespace orvanel
