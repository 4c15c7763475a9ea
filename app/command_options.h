// A command's arguments: the options it takes, with or without a value, and
// its plain arguments in order.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel {

struct KnownOption {
  std::string_view name;  // "--port"
  bool takes_value;
};

struct CommandOptions {
  std::vector<std::string> plain;
  std::map<std::string, std::string, std::less<>> given;  // an option without a value maps to ""

  bool Has(std::string_view name) const { return given.find(name) != given.end(); }
  std::optional<std::string> Value(std::string_view name) const;
};

// Reads `arguments` by the `known` options; on an unknown option or a
// missing value, says so on standard error and returns nothing: a usage
// error. "-" alone is a plain argument.
std::optional<CommandOptions> ReadOptions(std::string_view command, std::span<const std::string_view> arguments,
                                          std::span<const KnownOption> known);

inline constexpr std::string_view BadSeed = "--seed takes a whole number from 0 to 18446744073709551615";

// A whole number in decimal and nothing more, up to `max`; nothing otherwise.
std::optional<std::uint64_t> ParseWholeNumber(std::string_view text, std::uint64_t max = UINT64_MAX);

}  // namespace orvanel
