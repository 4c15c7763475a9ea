#include "runtime/command_line.h"

namespace orvanel {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return argc < 1 ? std::vector<std::string>{} : std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace orvanel
