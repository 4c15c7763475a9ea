// The system calls behind OutputFile on Windows, replaceable so that tests can
// see every call, or make a write end short or a close fail.
#pragma once

#include <windows.h>

namespace orvanel {

struct FileCalls {
  decltype(&::CreateFileW) create;
  decltype(&::WriteFile) write;
  decltype(&::CloseHandle) close;
};

FileCalls& ActiveFileCalls();

}  // namespace orvanel
