// Reading a SysEx file that nobody vouches for into the checker, for the
// commands that check it, send it or take patches out of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bank/sysex_check.h"

namespace orvanel {

// Reads `path` in pieces into `check`, keeping the bytes in `kept` when it is
// given, never past what a sound file can hold. Returns why the file could
// not be read, or nothing. `check` still wants Finish.
std::string ReadInto(const std::string& path, SysexCheck& check, std::vector<std::uint8_t>* kept = nullptr);

// A file read whole and checked.
struct CheckedFile {
  explicit CheckedFile(bool check_rules) : check(check_rules) {}
  std::string error;  // why it could not be read; empty once it was
  std::vector<std::uint8_t> bytes;
  SysexCheck check;
};
CheckedFile ReadCheckedFile(const std::string& path, bool check_rules = false);

}  // namespace orvanel
