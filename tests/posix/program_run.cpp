#include "program_run.h"

#include "posix/tool_process.h"

namespace orvanel::testing {

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& out_path, const std::string& err_path) {
  return ToolProcess(program, arguments, out_path, err_path).Wait();
}

}  // namespace orvanel::testing
