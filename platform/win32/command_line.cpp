#include "runtime/command_line.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/utf16.h"

namespace orvanel {
namespace {

// Gives the console back its code page when the program ends.
class ConsoleCodePage {
 public:
  explicit ConsoleCodePage(UINT code_page) : previous_(GetConsoleOutputCP()) {
    if (previous_ != 0) SetConsoleOutputCP(code_page);
  }
  ~ConsoleCodePage() {
    if (previous_ != 0) SetConsoleOutputCP(previous_);
  }
  ConsoleCodePage(const ConsoleCodePage&) = delete;
  ConsoleCodePage& operator=(const ConsoleCodePage&) = delete;

 private:
  UINT previous_;  // 0 without a console
};

}  // namespace

std::vector<std::string> CommandLineArguments(int /*argc*/, char** /*argv*/) {
  static const ConsoleCodePage utf8_console(CP_UTF8);
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8(words[i]));
  LocalFree(words);
  return arguments;
}

}  // namespace orvanel
