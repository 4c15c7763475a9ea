// Reading a file that nobody vouches for, in pieces, with the system's own
// words for whatever stops it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvanel {

class InputFile {
 public:
  // `path` in UTF-8.
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Fills the front of `buffer`: the count read, 0 at the end of the file or
  // after an error.
  std::size_t Read(std::span<std::uint8_t> buffer);
  // Empty while all is well; otherwise why the file cannot be read.
  const std::string& Error() const { return error_; }

 private:
  std::intptr_t handle_;  // a descriptor or a HANDLE; -1 when it did not open
  std::string error_;
};

// The whole file, when it holds at most `limit` bytes; otherwise `error` says
// why not.
struct FileContents {
  std::vector<std::uint8_t> bytes;
  std::string error;
};
FileContents ReadWholeFile(const std::string& path, std::size_t limit);

}  // namespace orvanel
