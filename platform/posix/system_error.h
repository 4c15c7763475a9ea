// POSIX errors in the words of the platform's I/O errors.
#pragma once

namespace orvanel {

// The I/O error code under which a POSIX errno value is reported: Windows'
// number for the same failure, so that the texts describe what went wrong.
int InOutCodeFromErrno(int errno_value);

}  // namespace orvanel
