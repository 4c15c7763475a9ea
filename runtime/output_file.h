// Raw, unbuffered file output: every Write is one call into the system, and
// every failure raises EInOutError with the code of the platform's I/O error.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace orvanel {

enum class CreateMode {
  Replace,  // a new file, or an existing one cut to zero length
  New,      // a new file only; an existing one fails with FileExistsCode
};

// The codes a file step raises beyond the system's own: a write that ends
// short, a close that fails, and a file that is there already.
inline constexpr int DiskFullCode = 101;
inline constexpr int CloseFailedCode = 1;
inline constexpr int FileExistsCode = 80;

class OutputFile {
 public:
  // `path` in UTF-8. Opened for reading and writing, shared with other readers
  // and writers.
  explicit OutputFile(const std::string& path, CreateMode mode = CreateMode::Replace);
  // Releases a file still open after a failure; the first error stands.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Hands `bytes` to the system in one call; a short write is "Disk full".
  void Write(std::span<const std::uint8_t> bytes);
  void Close();

 private:
  std::intptr_t handle_;  // a descriptor or a HANDLE; -1 once released
};

}  // namespace orvanel
