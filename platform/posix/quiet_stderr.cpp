#include "platform/posix/quiet_stderr.h"

#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace orvanel {

QuietStderr::QuietStderr() : saved_(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)) {
  std::cerr.flush();
  std::fflush(stderr);
  const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
  if (null >= 0) close(null);
}

QuietStderr::~QuietStderr() {
  if (saved_ < 0) return;
  std::cerr.flush();
  std::fflush(stderr);
  dup2(saved_, STDERR_FILENO);
  close(saved_);
}

}  // namespace orvanel
