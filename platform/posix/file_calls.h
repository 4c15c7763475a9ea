// The system calls behind OutputFile on POSIX, replaceable so that tests can
// count the writes or make a close fail.
#pragma once

#include <sys/types.h>

namespace orvanel {

struct FileCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* data, size_t size);
  int (*close)(int fd);
};

FileCalls& ActiveFileCalls();

}  // namespace orvanel
