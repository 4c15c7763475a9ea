// Which MIDI port the user means by --port: the number that `ports` shows it
// under, or a part of its name.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel {

struct PortChoice {
  // The ports that `wanted` may mean, by their place in the list: one is a
  // choice, none or several are not.
  std::vector<std::size_t> matches;
};

// `wanted` is a number from 1, a whole name, or a part of names in any case;
// a whole name wins over names that merely contain it.
PortChoice ChoosePort(std::span<const std::string> names, std::string_view wanted);

}  // namespace orvanel
