// orvanel-bank check [--rules] FILE...
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/bank_tool.h"
#include "app/sysex_file.h"
#include "bank/sysex_check.h"

namespace orvanel {
namespace {

constexpr std::size_t MaxListedRanges = 16;

void Report(const std::string& path, const SysexCheck& check) {
  std::cout << path << ": " << check.Dt1Messages() << " JD-800 DT1 message"
            << (check.Dt1Messages() == 1 ? "" : "s");
  if (!check.DeviceIds().empty()) {
    std::cout << ", device ID";
    for (std::uint8_t id : check.DeviceIds()) std::cout << " " << FormatByte(id);
  }
  std::cout << "\n";

  const auto& ranges = check.Ranges();
  for (std::size_t i = 0; i < std::min(ranges.size(), MaxListedRanges); ++i) {
    std::cout << path << ": covers " << FormatAddress(ranges[i].first) << " - " << FormatAddress(ranges[i].last)
              << " (" << ranges[i].last - ranges[i].first + 1 << (ranges[i].last == ranges[i].first ? " byte)\n" : " bytes)\n");
  }
  if (ranges.size() > MaxListedRanges) {
    std::cout << path << ": ... and " << ranges.size() - MaxListedRanges << " more ranges\n";
  }
  if (check.WholeInternalBank()) {
    std::cout << path << ": the whole internal bank, 05 00 00 - 06 3F 7F:\n";
  } else if (!check.CoveredPatches().empty()) {
    std::cout << path << ": whole patches:\n";
  }
  for (const CoveredPatch& patch : check.CoveredPatches()) {
    std::cout << "  " << patch.where << "  " << patch.name << "\n";
  }
  for (const CheckFault& fault : check.Faults()) {
    std::cout << path << ": " << FaultLine(fault) << "\n";
  }
  if (check.FaultCount() > check.Faults().size()) {
    std::cout << path << ": ... and " << check.FaultCount() - check.Faults().size() << " more faults\n";
  }
  if (check.FaultCount() == 0) {
    std::cout << path << ": sound\n";
  } else {
    std::cout << path << ": " << check.FaultCount() << " fault" << (check.FaultCount() == 1 ? "" : "s") << "\n";
  }
}

}  // namespace

int CheckBankCommand(std::span<const std::string_view> arguments) {
  bool rules = false;
  std::vector<std::string> paths;
  for (const std::string_view argument : arguments) {
    if (argument == "--rules") {
      rules = true;
    } else if (argument.starts_with("-") && argument != "-") {
      return Complain("check: unknown option '" + std::string(argument) + "'", ExitUsage);
    } else {
      paths.emplace_back(argument);
    }
  }
  if (paths.empty()) return Complain("check needs at least one FILE", ExitUsage);

  int worst = ExitSound;
  for (const std::string& path : paths) {
    SysexCheck check(rules);
    if (const std::string error = ReadInto(path, check); !error.empty()) {
      worst = Complain(path + ": cannot read: " + error, ExitUsage);
      continue;
    }
    check.Finish();
    Report(path, check);
    if (check.FaultCount() != 0) worst = std::max(worst, ExitFaults);
  }
  return worst;
}

}  // namespace orvanel
