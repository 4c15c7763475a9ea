// A file that appears whole or not at all: written into a temporary file
// beside it, flushed to the disk, then renamed into place. Nobody ever finds a
// partial file under its name, even when the program is killed meanwhile.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "runtime/output_file.h"

namespace orvanel {

// Raises EInOutError, and then `path` is as it was and the temporary file is
// gone. CreateMode::New keeps a file already at `path` and raises
// FileExistsCode.
void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes, CreateMode mode);

}  // namespace orvanel
