#include "platform/posix/terminal.h"

#include <cerrno>
#include <iostream>
#include <unistd.h>

namespace orvanel {

bool StdinIsTerminal() { return isatty(STDIN_FILENO) == 1; }
bool StderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

std::optional<std::string> Ask(std::string_view question, InterruptGuard& guard) {
  std::cerr << question << std::flush;
  std::string line;
  for (;;) {
    if (guard.Wait(STDIN_FILENO, std::nullopt) == InterruptGuard::Wake::Interrupted) {
      std::cerr << "\n";
      return std::nullopt;
    }
    char buffer[256];
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return std::nullopt;
    line.append(buffer, static_cast<std::size_t>(got));
    if (const std::size_t end = line.find('\n'); end != std::string::npos) return line.substr(0, end);
  }
}

}  // namespace orvanel
