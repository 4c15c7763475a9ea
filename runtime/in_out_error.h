// The I/O error that raw file output raises: a numeric code and its text.
#pragma once

#include <stdexcept>
#include <string>

namespace orvanel {

class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(int code);
  int ErrorCode() const { return code_; }

 private:
  int code_;
};

// The text shown for an I/O error code.
std::string InOutErrorText(int code);

}  // namespace orvanel
