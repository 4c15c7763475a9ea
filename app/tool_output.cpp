// How the commands of orvanel-bank write their files and word the errors.
#include "app/bank_tool.h"
#include "runtime/error_text.h"
#include "runtime/output_file.h"

namespace orvanel {

int ComplainAboutWrite(const std::string& path, const EInOutError& error) {
  if (error.ErrorCode() == FileExistsCode) return Complain(path + ": exists; add --force to replace it", ExitFaults);
  return Complain(path + ": " + ErrorDisplayText(error.what()), ExitFaults);
}

int WriteToolFile(const std::string& path, std::span<const std::uint8_t> bytes, bool force) {
  try {
    OutputFile file(path, force ? CreateMode::Replace : CreateMode::New);
    file.Write(bytes);
    file.Close();
  } catch (const EInOutError& error) {
    return ComplainAboutWrite(path, error);
  }
  return ExitSound;
}

}  // namespace orvanel
