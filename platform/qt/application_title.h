// The title the application takes when it sets none of its own.
#pragma once

#include <QString>

namespace orvanel {

// The executable's name without its folder and from its first "." on, the
// first character kept as it is and the rest in lower case.
QString ApplicationTitle(const QString& executable_path);

}  // namespace orvanel
