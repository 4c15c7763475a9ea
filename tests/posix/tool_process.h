// orvanel-bank run as its own process, as a user runs it: its output, its exit
// code, and Ctrl-C while it runs. A run still going when its owner ends is
// killed.
#pragma once

#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "program_run.h"
#include "temp_folder.h"

namespace orvanel::testing {

using ToolRun = ProgramRun;

class ToolProcess {
 public:
  // Standard input is /dev/null: no terminal to ask. The outputs go to files
  // of `folder`, or to the two files given.
  ToolProcess(const std::string& program, std::vector<std::string> arguments, const TempFolder& folder)
      : ToolProcess(program, std::move(arguments), OutputsIn(folder)) {}
  ToolProcess(const std::string& program, std::vector<std::string> arguments, std::string out_path,
              std::string err_path)
      : ToolProcess(program, std::move(arguments), Outputs{std::move(out_path), std::move(err_path)}) {}
  ~ToolProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  ToolProcess(const ToolProcess&) = delete;
  ToolProcess& operator=(const ToolProcess&) = delete;

  void Interrupt() const {
    if (pid_ > 0) kill(pid_, SIGINT);  // never -1 or 0: every process, or the whole group
  }
  // Standard error as far as it has been written.
  std::string ErrSoFar() const { return Text(err_path_); }

  ToolRun Wait() {
    int status = 0;
    if (pid_ > 0) waitpid(pid_, &status, 0);
    pid_ = -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status), Text(out_path_), Text(err_path_)};
  }

 private:
  struct Outputs {
    std::string out_path;
    std::string err_path;
  };
  static Outputs OutputsIn(const TempFolder& folder) {
    const std::string number = std::to_string(++count_);
    return {folder / ("stdout-" + number), folder / ("stderr-" + number)};
  }

  ToolProcess(const std::string& program, std::vector<std::string> arguments, Outputs outputs)
      : out_path_(std::move(outputs.out_path)), err_path_(std::move(outputs.err_path)) {
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("cannot fork");
    if (pid_ == 0) {
      dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
      dup2(open(out_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
      dup2(open(err_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
      std::vector<char*> argv{const_cast<char*>(program.c_str())};
      for (std::string& argument : arguments) argv.push_back(argument.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
  }

  static std::string Text(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
  }

  static inline int count_ = 0;
  std::string out_path_;
  std::string err_path_;
  pid_t pid_;
};

}  // namespace orvanel::testing
