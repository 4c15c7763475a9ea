// A function of one of Windows' own DLLs, loaded on first use: the DLLs that
// only the save dialog or the shell needs stay out of the program's start-up.
#pragma once

#include <windows.h>

namespace orvanel {

// `name` from `library` in the system folder, or nullptr when it is not there.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) return nullptr;
  // Through the generic function pointer, which may become any other.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace orvanel
