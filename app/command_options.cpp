#include "app/command_options.h"

#include <algorithm>
#include <charconv>

#include "app/bank_tool.h"

namespace orvanel {

std::optional<std::string> CommandOptions::Value(std::string_view name) const {
  const auto found = given.find(name);
  if (found == given.end()) return std::nullopt;
  return found->second;
}

std::optional<CommandOptions> ReadOptions(std::string_view command, std::span<const std::string_view> arguments,
                                          std::span<const KnownOption> known) {
  CommandOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (!argument.starts_with("-") || argument == "-") {
      options.plain.emplace_back(argument);
      continue;
    }
    const auto option = std::find_if(known.begin(), known.end(), [&](const KnownOption& o) { return o.name == argument; });
    if (option == known.end()) {
      Complain(std::string(command) + ": unknown option '" + std::string(argument) + "'", ExitUsage);
      return std::nullopt;
    }
    if (!option->takes_value) {
      options.given[std::string(argument)] = "";
    } else if (i + 1 == arguments.size()) {
      Complain(std::string(command) + ": " + std::string(argument) + " needs a value", ExitUsage);
      return std::nullopt;
    } else {
      options.given[std::string(argument)] = std::string(arguments[++i]);
    }
  }
  return options;
}

std::optional<std::uint64_t> ParseWholeNumber(std::string_view text, std::uint64_t max) {
  std::uint64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number > max) return std::nullopt;
  return number;
}

}  // namespace orvanel
