#include "app/sound_file.h"

#include <algorithm>
#include <iostream>

#include "app/bank_tool.h"

namespace orvanel {
namespace {

constexpr std::size_t ListedFaults = 5;

}  // namespace

std::optional<CheckedFile> ReadSoundFile(const std::string& path, int& exit_code) {
  CheckedFile file = ReadCheckedFile(path);
  if (!file.error.empty()) {
    exit_code = Complain(path + ": cannot read: " + file.error, ExitUsage);
    return std::nullopt;
  }
  const SysexCheck& check = file.check;
  if (check.FaultCount() == 0) return file;
  exit_code = Complain(path + ": not a sound JD-800 SysEx file (" + std::to_string(check.FaultCount()) +
                           (check.FaultCount() == 1 ? " fault" : " faults") + "); nothing goes out:",
                       ExitFaults);
  for (std::size_t i = 0; i < std::min(ListedFaults, check.Faults().size()); ++i) {
    std::cerr << "  " << FaultLine(check.Faults()[i]) << "\n";
  }
  if (check.FaultCount() > ListedFaults) std::cerr << "  ... orvanel-bank check " << path << " lists them all\n";
  return std::nullopt;
}

}  // namespace orvanel
