#include "runtime/input_file.h"

#include <algorithm>
#include <windows.h>

#include "platform/win32/system_message.h"
#include "platform/win32/utf16.h"

namespace orvanel {
namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

InputFile::InputFile(const std::string& path)
    : handle_(reinterpret_cast<std::intptr_t>(CreateFileW(Utf16(path).c_str(), GENERIC_READ,
                                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr))) {
  if (AsHandle(handle_) == INVALID_HANDLE_VALUE) error_ = SystemMessage(GetLastError());
}

InputFile::~InputFile() {
  if (AsHandle(handle_) != INVALID_HANDLE_VALUE) CloseHandle(AsHandle(handle_));
}

std::size_t InputFile::Read(std::span<std::uint8_t> buffer) {
  if (AsHandle(handle_) == INVALID_HANDLE_VALUE || !error_.empty() || buffer.empty()) return 0;
  const auto wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1U << 30U));
  DWORD got = 0;
  if (!ReadFile(AsHandle(handle_), buffer.data(), wanted, &got, nullptr)) {
    error_ = SystemMessage(GetLastError());
    return 0;
  }
  return got;
}

}  // namespace orvanel
