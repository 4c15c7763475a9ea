// orvanel-bank: makes banks from the command line and checks JD-800 SysEx
// files, with the same rules, generator and writer as the window.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/bank_tool.h"
#include "bank/version.h"
#include "runtime/command_line.h"

namespace orvanel {

int Complain(std::string_view text, int code) {
  std::cerr << "orvanel-bank: " << text << "\n";
  return code;
}

}  // namespace orvanel

namespace {

constexpr std::string_view Usage =
    "usage: orvanel-bank generate FILE [--seed N] [--force]\n"
    "       orvanel-bank check [--rules] FILE...\n"
    "       orvanel-bank --help | --version\n";

constexpr std::string_view Help =
    "\n"
    "generate  writes a bank of 64 random JD-800 patches to FILE as 96 DT1\n"
    "          messages for the internal bank, and prints the seed it used;\n"
    "          --seed N makes that bank again, byte for byte; an existing FILE\n"
    "          is replaced only with --force.\n"
    "check     reads JD-800 SysEx files and says whether each is sound: framing,\n"
    "          Roland DT1 checksums, 7-bit data, the addresses it covers, its\n"
    "          overlaps and gaps, and the patch names of a whole internal bank;\n"
    "          --rules also holds every patch to Orvanel's rule tables.\n"
    "\n"
    "Exit codes: 0 done and sound, 1 a file error or faults found, 2 a usage\n"
    "error or a file that cannot be read.\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words = orvanel::CommandLineArguments(argc, argv);
  const std::vector<std::string_view> arguments(words.begin(), words.end());
  if (arguments.empty()) {
    std::cerr << Usage;
    return orvanel::ExitUsage;
  }
  const std::string_view command = arguments.front();
  const std::span<const std::string_view> rest(arguments.begin() + 1, arguments.end());
  if (command == "--help" || command == "-h") {
    std::cout << Usage << Help;
    return orvanel::ExitSound;
  }
  if (command == "--version") {
    std::cout << "orvanel-bank " << orvanel::VersionText << "\n";
    return orvanel::ExitSound;
  }
  if (command == "generate") return orvanel::GenerateBankCommand(rest);
  if (command == "check") return orvanel::CheckBankCommand(rest);
#ifdef ORVANEL_WITHOUT_MIDI
  // The Windows build has no RtMidi.
  for (const std::string_view midi : {"ports", "send", "audition", "receive", "export"}) {
    if (command == midi) {
      return orvanel::Complain(std::string(command) + ": MIDI is not in the Windows build", orvanel::ExitUsage);
    }
  }
#endif
  std::cerr << "orvanel-bank: unknown command '" << command << "'\n" << Usage;
  return orvanel::ExitUsage;
}
