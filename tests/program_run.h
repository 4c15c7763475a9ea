// Runs a built program to its end, as a user's shell would, and keeps what it
// printed.
#pragma once

#include <string>
#include <vector>

namespace orvanel::testing {

struct ProgramRun {
  int exit_code;    // less the signal's number when a signal ended it
  std::string out;  // standard output, with "\n" ending each line
  std::string err;  // standard error, likewise
};

// `arguments` in UTF-8; the two outputs go through the files `out_path` and
// `err_path`.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& out_path, const std::string& err_path);

}  // namespace orvanel::testing
