#include "runtime/output_file.h"

#include <windows.h>

#include "platform/win32/file_calls.h"
#include "platform/win32/utf16.h"
#include "runtime/in_out_error.h"

namespace orvanel {
namespace {

static_assert(FileExistsCode == ERROR_FILE_EXISTS);

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Windows' own code, unmapped: its numbers are the ones the texts speak of.
[[noreturn]] void RaiseLastError() { throw EInOutError(static_cast<int>(GetLastError())); }

}  // namespace

FileCalls& ActiveFileCalls() {
  static FileCalls calls{::CreateFileW, ::WriteFile, ::CloseHandle};
  return calls;
}

OutputFile::OutputFile(const std::string& path, CreateMode mode)
    : handle_(reinterpret_cast<std::intptr_t>(
          ActiveFileCalls().create(Utf16(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   mode == CreateMode::New ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                   nullptr))) {
  if (AsHandle(handle_) == INVALID_HANDLE_VALUE) RaiseLastError();
}

OutputFile::~OutputFile() {
  if (AsHandle(handle_) != INVALID_HANDLE_VALUE) ActiveFileCalls().close(AsHandle(handle_));
}

void OutputFile::Write(std::span<const std::uint8_t> bytes) {
  DWORD written = 0;
  if (!ActiveFileCalls().write(AsHandle(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                               nullptr)) {
    RaiseLastError();
  }
  if (written != bytes.size()) throw EInOutError(DiskFullCode);
}

void OutputFile::Close() {
  // A handle whose close fails is gone all the same: never closed twice.
  const HANDLE handle = AsHandle(handle_);
  handle_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
  if (!ActiveFileCalls().close(handle)) throw EInOutError(CloseFailedCode);
}

}  // namespace orvanel
