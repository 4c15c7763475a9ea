// orvanel-bank generate FILE [--seed N] [--force]
#include <iostream>
#include <optional>
#include <string>

#include "app/bank_tool.h"
#include "app/command_options.h"
#include "app/file_error.h"
#include "bank/generate_command.h"
#include "bank/sysex_writer.h"
#include "runtime/in_out_error.h"
#include "runtime/output_file.h"
#include "runtime/random.h"

namespace orvanel {

int GenerateBankCommand(std::span<const std::string_view> arguments) {
  std::optional<std::string> path;
  std::optional<std::uint64_t> seed;
  bool force = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--force") {
      force = true;
    } else if (argument == "--seed") {
      if (i + 1 == arguments.size() || !(seed = ParseWholeNumber(arguments[++i]))) {
        return Complain(BadSeed, ExitUsage);
      }
    } else if (argument.starts_with("-") && argument != "-") {
      return Complain("generate: unknown option '" + std::string(argument) + "'", ExitUsage);
    } else if (path) {
      return Complain("generate writes one FILE", ExitUsage);
    } else {
      path = std::string(argument);
    }
  }
  if (!path) return Complain("generate needs a FILE", ExitUsage);

  const std::uint64_t used = seed.value_or(ClockSeed());
  Bank bank{};
  RandSeed(used);
  GenerateBank(bank);
  try {
    // Without --force the file is made new in the same step as it is
    // checked for, so a file that appears meanwhile is never replaced.
    WriteBank(*path, bank, force ? CreateMode::Replace : CreateMode::New);
  } catch (const EInOutError& error) {
    return ComplainWriteError(*path, error);
  }
  std::cout << "seed " << used << "\n";
  return ExitSound;
}

}  // namespace orvanel
