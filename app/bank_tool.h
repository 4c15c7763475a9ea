// The commands of orvanel-bank. Each takes its arguments after the command
// word and returns the process exit code.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/in_out_error.h"

namespace orvanel {

// Exit codes: 0 done and sound, 1 a file error or faults found, 2 a usage
// error or a file that cannot be read.
inline constexpr int ExitSound = 0;
inline constexpr int ExitFaults = 1;
inline constexpr int ExitUsage = 2;

int GenerateBankCommand(std::span<const std::string_view> arguments);
int CheckBankCommand(std::span<const std::string_view> arguments);

// "orvanel-bank: " and the text on standard error; returns `code`.
int Complain(std::string_view text, int code);

int ExtractPatchCommand(std::span<const std::string_view> arguments);
int MergePatchesCommand(std::span<const std::string_view> arguments);
int ShowPatchesCommand(std::span<const std::string_view> arguments);

// A file error while writing `path`, complained of in the Windows words (a
// file that is there already: add --force); returns ExitFaults.
int ComplainAboutWrite(const std::string& path, const EInOutError& error);

// Writes `bytes` to `path` in one call: a new file only, unless `force`.
// Returns the exit code.
int WriteToolFile(const std::string& path, std::span<const std::uint8_t> bytes, bool force);

}  // namespace orvanel
