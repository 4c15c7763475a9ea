// A SysEx file that is to go to the instrument, read and checked first: a file
// that cannot be read, or that has any fault, goes nowhere.
#pragma once

#include <optional>
#include <string>

#include "app/sysex_file.h"

namespace orvanel {

// The file when it is sound; otherwise nothing, having said why on standard
// error with the checker's words, and `exit_code` says how the command ends.
std::optional<CheckedFile> ReadSoundFile(const std::string& path, int& exit_code);

}  // namespace orvanel
