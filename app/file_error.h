// How the commands word a file that cannot be written.
#pragma once

#include <string>

#include "runtime/in_out_error.h"

namespace orvanel {

// "PATH: exists; add --force to replace it", or the error's own text; on
// standard error, returning the exit code for a fault.
int ComplainWriteError(const std::string& path, const EInOutError& error);

}  // namespace orvanel
