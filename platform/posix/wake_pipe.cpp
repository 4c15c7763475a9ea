#include "platform/posix/wake_pipe.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace orvanel {

WakePipe::WakePipe() {
  if (pipe2(ends_, O_NONBLOCK | O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
}

WakePipe::~WakePipe() {
  close(ends_[0]);
  close(ends_[1]);
}

void WakePipe::Wake() {
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = write(ends_[1], &byte, 1);
}

void WakePipe::Drain() {
  char buffer[64];
  while (read(ends_[0], buffer, sizeof buffer) > 0) {
  }
}

}  // namespace orvanel
