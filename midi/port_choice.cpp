#include "midi/port_choice.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace orvanel {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

}  // namespace

PortChoice ChoosePort(std::span<const std::string> names, std::string_view wanted) {
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), number);
  if (error == std::errc() && end == wanted.data() + wanted.size()) {
    if (number >= 1 && number <= names.size()) return {{number - 1}};
    return {};
  }
  const auto whole = std::find(names.begin(), names.end(), wanted);
  if (whole != names.end()) return {{static_cast<std::size_t>(whole - names.begin())}};
  PortChoice choice;
  const std::string part = Lower(wanted);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!part.empty() && Lower(names[i]).find(part) != std::string::npos) choice.matches.push_back(i);
  }
  return choice;
}

}  // namespace orvanel
