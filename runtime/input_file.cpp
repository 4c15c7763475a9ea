#include "runtime/input_file.h"

#include <algorithm>

namespace orvanel {

FileContents ReadWholeFile(const std::string& path, std::size_t limit) {
  InputFile file(path);
  FileContents contents;
  std::size_t size = 0;
  for (;;) {
    contents.bytes.resize(std::min(limit + 1, size + 65536));
    const std::size_t got = file.Read(std::span(contents.bytes).subspan(size));
    size += got;
    if (got == 0 || size > limit) break;
  }
  contents.bytes.resize(std::min(size, limit));
  if (!file.Error().empty()) {
    contents.error = file.Error();
  } else if (size > limit) {
    contents.error = "larger than " + std::to_string(limit) + " bytes";
  }
  return contents;
}

}  // namespace orvanel
