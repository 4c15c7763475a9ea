#include "runtime/output_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "runtime/in_out_error.h"

namespace orvanel {
namespace {

int SystemOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

constexpr int DiskFullCode = 101;
constexpr int CloseFailedCode = 1;

}  // namespace

FileCalls& ActiveFileCalls() {
  static FileCalls calls{SystemOpen, ::write, ::close};
  return calls;
}

OutputFile::OutputFile(const std::string& path)
    : fd_(ActiveFileCalls().open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)) {
  if (fd_ < 0) throw EInOutError(InOutCodeFromErrno(errno));
}

OutputFile::~OutputFile() {
  if (fd_ >= 0) ActiveFileCalls().close(fd_);
}

void OutputFile::Write(std::span<const std::uint8_t> bytes) {
  ssize_t written;
  do {
    written = ActiveFileCalls().write(fd_, bytes.data(), bytes.size());
  } while (written < 0 && errno == EINTR);
  if (written < 0) throw EInOutError(InOutCodeFromErrno(errno));
  if (static_cast<size_t>(written) != bytes.size()) throw EInOutError(DiskFullCode);
}

void OutputFile::Close() {
  // Linux releases the descriptor even when close reports an error, so it is
  // never closed twice.
  const int fd = fd_;
  fd_ = -1;
  if (ActiveFileCalls().close(fd) != 0) throw EInOutError(CloseFailedCode);
}

}  // namespace orvanel
