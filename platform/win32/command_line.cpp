#include "runtime/command_line.h"

#include <windows.h>

#include "platform/win32/utf16.h"

// The C runtime's own reading of the UTF-16 command line, by its usual rules
// for quotes and backslashes: the one a wmain gets. No shell32, whose loading
// would cost every start.
extern "C" int __wgetmainargs(int* count, wchar_t*** words, wchar_t*** environment, int expand_wildcards,
                              int* new_mode);

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
  wchar_t** words = nullptr;
  wchar_t** environment = nullptr;
  int new_mode = 0;
  if (__wgetmainargs(&count, &words, &environment, 0, &new_mode) != 0) return {};
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8(words[i]));
  return arguments;
}

}  // namespace orvanel
