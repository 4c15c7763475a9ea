// orvanel-bank extract FILE PATCH OUT [--to SLOT] [--force]
// orvanel-bank merge OUT SOURCE... [--at SLOT] [--force]
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/bank_tool.h"
#include "app/patch_file.h"
#include "bank/dt1_message.h"
#include "bank/patch_number.h"
#include "bank/sysex_format.h"

namespace orvanel {
namespace {

// The words of one command line: its FILEs and what its options say.
struct CommandLine {
  std::vector<std::string> files;
  bool force = false;
  std::optional<std::size_t> slot;  // of --to or --at
  std::string error;
};

CommandLine ReadCommandLine(std::string_view command, std::string_view slot_option,
                            std::span<const std::string_view> arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size() && line.error.empty(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--force") {
      line.force = true;
    } else if (argument == slot_option) {
      if (i + 1 == arguments.size()) {
        line.error = std::string(slot_option) + " takes a patch from I11 to I88";
      } else if (const SlotOrError slot = ParseSlot(arguments[++i]); slot.error.empty()) {
        line.slot = slot.slot;
      } else {
        line.error = std::string(slot_option) + ": " + slot.error;
      }
    } else if (argument.starts_with("-") && argument != "-") {
      line.error = std::string(command) + ": unknown option '" + std::string(argument) + "'";
    } else {
      line.files.emplace_back(argument);
    }
  }
  return line;
}

void Announce(std::string_view where, const PatchImage& patch, std::string_view from) {
  std::cout << where << "  " << ShownPatchName(patch) << "  from " << from << "\n";
}

}  // namespace

int ExtractPatchCommand(std::span<const std::string_view> arguments) {
  const CommandLine line = ReadCommandLine("extract", "--to", arguments);
  if (!line.error.empty()) return Complain(line.error, ExitUsage);
  if (line.files.size() != 3) return Complain("extract takes FILE PATCH OUT", ExitUsage);
  const std::string& path = line.files[0];
  const std::string& out = line.files[2];
  const SlotOrError slot = ParseSlot(line.files[1]);
  if (!slot.error.empty()) return Complain(slot.error, ExitUsage);

  const PatchFile file = ReadPatchFile(path);
  if (!file.error.empty()) return Complain(file.error, ExitUsage);
  const FilePatch* patch = file.Slot(slot.slot);
  if (patch == nullptr) return Complain(NoSuchPatch(path, slot.slot, file), ExitUsage);

  const std::uint32_t address = line.slot ? SlotAddress(*line.slot) : TemporaryPatchAddress;
  if (const int code = WriteToolFile(out, Dt1Messages(address, patch->image), line.force); code != ExitSound) {
    return code;
  }
  Announce(line.slot ? PatchNumber(*line.slot) : "temporary", patch->image, path + ":" + patch->where);
  return ExitSound;
}

int MergePatchesCommand(std::span<const std::string_view> arguments) {
  const CommandLine line = ReadCommandLine("merge", "--at", arguments);
  if (!line.error.empty()) return Complain(line.error, ExitUsage);
  if (line.files.size() < 2) return Complain("merge takes OUT and at least one SOURCE", ExitUsage);
  const std::string& out = line.files.front();
  const std::span<const std::string> sources(line.files.begin() + 1, line.files.end());
  const std::size_t at = line.slot.value_or(0);
  if (sources.size() > PatchCount - at) {
    const std::size_t room = PatchCount - at;
    return Complain("merge: " + std::to_string(sources.size()) + " patches do not fit from " + PatchNumber(at) +
                        " to I88, which " + (room == 1 ? "is 1 slot" : "are " + std::to_string(room) + " slots"),
                    ExitUsage);
  }

  std::vector<PatchImage> patches;
  for (const std::string& source : sources) {
    const Source read = ReadSource(source, false);
    if (!read.error.empty()) return Complain(read.error, ExitUsage);
    patches.push_back(read.patch->image);
  }
  // The slots are consecutive, so their bytes go as one run of messages.
  std::vector<std::uint8_t> bytes;
  for (const PatchImage& patch : patches) bytes.insert(bytes.end(), patch.begin(), patch.end());
  if (const int code = WriteToolFile(out, Dt1Messages(SlotAddress(at), bytes), line.force); code != ExitSound) {
    return code;
  }
  for (std::size_t i = 0; i < sources.size(); ++i) Announce(PatchNumber(at + i), patches[i], sources[i]);
  return ExitSound;
}

}  // namespace orvanel
