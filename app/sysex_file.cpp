#include "app/sysex_file.h"

#include <array>

#include "runtime/input_file.h"

namespace orvanel {

std::string ReadInto(const std::string& path, SysexCheck& check, std::vector<std::uint8_t>* kept) {
  InputFile file(path);
  std::array<std::uint8_t, 65536> buffer;
  while (check.WantsMore()) {
    const std::size_t got = file.Read(buffer);
    if (got == 0) break;
    check.Feed({buffer.data(), got});
    if (kept != nullptr) kept->insert(kept->end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got));
  }
  return file.Error();
}

CheckedFile ReadCheckedFile(const std::string& path, bool check_rules) {
  CheckedFile file(check_rules);
  file.error = ReadInto(path, file.check, &file.bytes);
  if (file.error.empty()) file.check.Finish();
  return file;
}

}  // namespace orvanel
