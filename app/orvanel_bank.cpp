// orvanel-bank: makes banks from the command line and checks JD-800 SysEx
// files, with the same rules, generator and writer as the window; sends them
// to the instrument and takes its bank back over MIDI.
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
    "       orvanel-bank generate FILE --from SOURCE --amount PERCENT [--keep LOCKS] [--seed N] [--force]\n"
    "       orvanel-bank extract FILE PATCH OUT [--to SLOT] [--force]\n"
    "       orvanel-bank merge OUT SOURCE... [--at SLOT] [--force]\n"
    "       orvanel-bank show FILE [PATCH] [--format text|tsv]\n"
    "       orvanel-bank ports\n"
    "       orvanel-bank send FILE [--port P] [--interval MS] [--device-id N] [--yes]\n"
    "       orvanel-bank audition (FILE PATCH | --seed N) [--port P] [--device-id N]\n"
    "       orvanel-bank receive FILE [--port P] [--timeout S] [--force]\n"
    "       orvanel-bank export FILE OUT.mid [--interval MS] [--force]\n"
    "       orvanel-bank --help | --version\n";

constexpr std::string_view Help =
    "\n"
    "generate  writes a bank of 64 random JD-800 patches to FILE as 96 DT1\n"
    "          messages for the internal bank, and prints the seed it used;\n"
    "          --seed N makes that bank again, byte for byte; an existing FILE\n"
    "          is replaced only with --force.\n"
    "check     reads JD-800 SysEx files and says whether each is sound: framing,\n"
    "          Roland DT1 checksums, 7-bit data, the addresses it covers, its\n"
    "          overlaps and gaps, and every whole patch it writes, by slot;\n"
    "          --rules also holds those patches to Orvanel's rule tables.\n"
    "generate --from SOURCE  writes 64 variations of the patch SOURCE names\n"
    "          (FILE:I23, or a file of one patch; I11 is that patch itself), or\n"
    "          of each patch of a bank FILE in its own slot; --amount 0 copies,\n"
    "          100 draws afresh by the rules, and between them about that share\n"
    "          of the drawn bytes moves, each a short way; --keep holds groups\n"
    "          (tvf, effects, ...) and tones (A..D), as in --keep tvf,A.\n"
    "extract   writes patch PATCH of FILE alone: to the temporary patch, or with\n"
    "          --to to that internal slot.\n"
    "merge     writes one patch from each SOURCE (FILE:PATCH, or a file of one\n"
    "          patch) to consecutive internal slots from --at (I11) on, and\n"
    "          nothing else.\n"
    "show      lists every parameter of each patch in FILE, or of PATCH, by its\n"
    "          name and as the instrument shows it; --format tsv for scripts.\n"
    "ports     lists the MIDI outputs and inputs of ALSA and JACK, numbered.\n"
    "send      checks FILE, then sends it to the JD-800 at the pace of MIDI's wire\n"
    "          plus --interval (50 ms) after each message; asks before it\n"
    "          overwrites internal patches, unless --yes. --port P: a number\n"
    "          from ports, or part of a name. --device-id N: the unit number\n"
    "          17 to 32 that the JD-800 shows. Ctrl-C stops between messages.\n"
    "audition  sends one patch to the JD-800's temporary patch, where it sounds\n"
    "          at once and overwrites no memory: PATCH (I11 to I88) of FILE, or\n"
    "          a patch drawn afresh; prints the seed, and --seed N draws it again.\n"
    "receive   waits for a bulk dump started on the JD-800 and writes what came\n"
    "          to FILE: a backup of the internal bank. Ends when the bank is\n"
    "          whole, or --timeout S (10) seconds after the last message.\n"
    "export    writes FILE's messages as a Standard MIDI File, timed as send\n"
    "          times them, for a DAW or a hardware sequencer.\n"
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
  if (command == "extract") return orvanel::ExtractPatchCommand(rest);
  if (command == "merge") return orvanel::MergePatchesCommand(rest);
  if (command == "show") return orvanel::ShowPatchesCommand(rest);
  if (command == "export") return orvanel::ExportCommand(rest);
#ifdef ORVANEL_MIDI
  if (command == "ports") return orvanel::PortsCommand(rest);
  if (command == "send") return orvanel::SendBankCommand(rest);
  if (command == "audition") return orvanel::AuditionCommand(rest);
  if (command == "receive") return orvanel::ReceiveBankCommand(rest);
#elif defined(_WIN32)
  // The Windows build has no RtMidi.
  for (const std::string_view midi : {"ports", "send", "audition", "receive"}) {
    if (command == midi) {
      return orvanel::Complain(std::string(command) + ": MIDI is not in the Windows build", orvanel::ExitUsage);
    }
  }
#endif
  std::cerr << "orvanel-bank: unknown command '" << command << "'\n" << Usage;
  return orvanel::ExitUsage;
}
