#include "program_run.h"

#include <windows.h>

#include "platform/win32/utf16.h"
#include "temp_folder.h"

namespace orvanel::testing {
namespace {

// One argument as the C runtime's command-line parser reads it back:
// quoted when it holds blanks or quotes, with the backslashes before a quote
// doubled.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    quoted.push_back(c);
    backslashes = 0;
  }
  quoted.append(backslashes * 2, L'\\');
  quoted.push_back(L'"');
  return quoted;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

HANDLE InheritedOutput(const std::string& path) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  return CreateFileW(Utf16(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The console's line ends back to "\n".
std::string Text(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadBytes(path);
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text.push_back(static_cast<char>(bytes[i]));
  }
  return text;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& out_path, const std::string& err_path) {
  std::wstring command_line = Quoted(Utf16(program));
  for (const std::string& argument : arguments) command_line += L" " + Quoted(Utf16(argument));
  DWORD exit_code = 0;
  {
    const Handle out(InheritedOutput(out_path));
    const Handle err(InheritedOutput(err_path));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
      return {-1, {}, "CreateProcessW failed: " + std::to_string(GetLastError())};
    }
    const Handle thread(process.hThread);
    const Handle child(process.hProcess);
    WaitForSingleObject(child.get(), INFINITE);
    GetExitCodeProcess(child.get(), &exit_code);
  }
  return {static_cast<int>(exit_code), Text(out_path), Text(err_path)};
}

}  // namespace orvanel::testing
