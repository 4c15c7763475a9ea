#include "platform/posix/system_error.h"

#include <cerrno>

#include "runtime/output_file.h"

namespace orvanel {

int InOutCodeFromErrno(int errno_value) {
  switch (errno_value) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
      return 3;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return 5;
    case EMFILE:
    case ENFILE:
      return 4;
    case ENOSPC:
    case EDQUOT:
      return 112;
    case EEXIST:
      return FileExistsCode;
    default:
      return errno_value;
  }
}

}  // namespace orvanel
