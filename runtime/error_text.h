// How the default error display words an error's text.
#pragma once

#include <string>

namespace orvanel {

// The text with "." appended when it ends in a character after "." in code
// order (a letter or a digit, say), and unchanged otherwise.
std::string ErrorDisplayText(std::string text);

}  // namespace orvanel
