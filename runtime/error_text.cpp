#include "runtime/error_text.h"

namespace orvanel {

std::string ErrorDisplayText(std::string text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace orvanel
