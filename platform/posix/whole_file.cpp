#include "platform/posix/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "platform/posix/system_error.h"
#include "runtime/in_out_error.h"

namespace orvanel {
namespace {

[[noreturn]] void RaiseErrno() { throw EInOutError(InOutCodeFromErrno(errno)); }

// The temporary file: hidden beside the target, removed unless it was renamed.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    for (int attempt = 0;; ++attempt) {
      path_ = target.substr(0, name) + "." + target.substr(name) + "." + std::to_string(getpid()) + "-" +
              std::to_string(attempt) + ".part";
      fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) return;
      if (errno != EEXIST || attempt == 99) RaiseErrno();
    }
  }
  ~TemporaryFile() {
    if (fd_ >= 0) close(fd_);
    if (!path_.empty()) unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void Write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
      const ssize_t written = write(fd_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) RaiseErrno();
      if (written == 0) throw EInOutError(DiskFullCode);
      bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
  }

  void FlushAndClose() {
    if (fsync(fd_) != 0) RaiseErrno();
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) throw EInOutError(CloseFailedCode);
  }

  void RenameTo(const std::string& target, CreateMode mode) {
    if (mode == CreateMode::Replace) {
      if (rename(path_.c_str(), target.c_str()) != 0) RaiseErrno();
    } else if (renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
      // A file system that cannot refuse to replace in a rename still can in
      // a link.
      if (errno != EINVAL && errno != ENOSYS) RaiseErrno();
      if (link(path_.c_str(), target.c_str()) != 0) RaiseErrno();
      unlink(path_.c_str());
    }
    path_.clear();
  }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace

void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes, CreateMode mode) {
  TemporaryFile temporary(path);
  temporary.Write(bytes);
  temporary.FlushAndClose();
  temporary.RenameTo(path, mode);
}

}  // namespace orvanel
