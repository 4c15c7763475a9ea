#include "runtime/input_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orvanel {

InputFile::InputFile(const std::string& path) : handle_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  if (handle_ < 0) error_ = std::strerror(errno);
}

InputFile::~InputFile() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

std::size_t InputFile::Read(std::span<std::uint8_t> buffer) {
  if (handle_ < 0 || !error_.empty() || buffer.empty()) return 0;
  for (;;) {
    const ssize_t got = ::read(static_cast<int>(handle_), buffer.data(), buffer.size());
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) {
      error_ = std::strerror(errno);
      return 0;
    }
  }
}

}  // namespace orvanel
