#include "app/file_error.h"

#include "app/bank_tool.h"
#include "runtime/error_text.h"
#include "runtime/output_file.h"

namespace orvanel {

int ComplainWriteError(const std::string& path, const EInOutError& error) {
  if (error.ErrorCode() == FileExistsCode) return Complain(path + ": exists; add --force to replace it", ExitFaults);
  return Complain(path + ": " + ErrorDisplayText(error.what()), ExitFaults);
}

}  // namespace orvanel
