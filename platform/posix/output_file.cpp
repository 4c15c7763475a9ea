#include "runtime/output_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "platform/posix/file_calls.h"
#include "platform/posix/system_error.h"
#include "runtime/in_out_error.h"

namespace orvanel {
namespace {

int SystemOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

int OpenFlags(CreateMode mode) {
  const int create = mode == CreateMode::New ? O_CREAT | O_EXCL : O_CREAT | O_TRUNC;
  return O_RDWR | O_CLOEXEC | create;
}

}  // namespace

FileCalls& ActiveFileCalls() {
  static FileCalls calls{SystemOpen, ::write, ::close};
  return calls;
}

OutputFile::OutputFile(const std::string& path, CreateMode mode)
    : handle_(ActiveFileCalls().open(path.c_str(), OpenFlags(mode), 0666)) {
  if (handle_ < 0) throw EInOutError(InOutCodeFromErrno(errno));
}

OutputFile::~OutputFile() {
  if (handle_ >= 0) ActiveFileCalls().close(static_cast<int>(handle_));
}

void OutputFile::Write(std::span<const std::uint8_t> bytes) {
  ssize_t written;
  do {
    written = ActiveFileCalls().write(static_cast<int>(handle_), bytes.data(), bytes.size());
  } while (written < 0 && errno == EINTR);
  if (written < 0) throw EInOutError(InOutCodeFromErrno(errno));
  if (static_cast<size_t>(written) != bytes.size()) throw EInOutError(DiskFullCode);
}

void OutputFile::Close() {
  // Linux releases the descriptor even when close reports an error, so it is
  // never closed twice.
  const int fd = static_cast<int>(handle_);
  handle_ = -1;
  if (ActiveFileCalls().close(fd) != 0) throw EInOutError(CloseFailedCode);
}

}  // namespace orvanel
