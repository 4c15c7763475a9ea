// Raw, unbuffered file output: every Write is one write(2), and every failure
// raises EInOutError.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <sys/types.h>

namespace orvanel {

// The system calls behind OutputFile, replaceable so that tests can make a
// close fail.
struct FileCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* data, size_t size);
  int (*close)(int fd);
};

FileCalls& ActiveFileCalls();

class OutputFile {
 public:
  // Creates the file, or cuts an existing one to zero length.
  explicit OutputFile(const std::string& path);
  // Releases a file still open after a failure; the first error stands.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Hands `bytes` to the system in one call; a short write is "Disk full".
  void Write(std::span<const std::uint8_t> bytes);
  void Close();

 private:
  int fd_;
};

}  // namespace orvanel
