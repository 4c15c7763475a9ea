// Modal message boxes with one OK button.
#pragma once

#include <string_view>

#include <QString>

namespace orvanel {

enum class MsgDlgType { Information, Error };

// A modal box of fixed size, owned by the active window and centred on the
// screen; returns once the user has closed it.
// An information box is captioned "Information"; an error box takes `caption`.
void MessageDlg(std::string_view text, MsgDlgType type, const QString& caption = {});

}  // namespace orvanel
