// Writes a bank as the JD-800's SysEx bank file: 96 Roland DT1 messages of 266
// bytes, each carrying 256 bank bytes to consecutive addresses from 05 00 00.
#pragma once

#include <cstddef>
#include <string>

#include "bank/bank.h"
#include "runtime/output_file.h"

namespace orvanel {

inline constexpr std::size_t SysexDataSize = 256;
inline constexpr std::size_t SysexBlockSize = 8 + SysexDataSize + 2;
inline constexpr std::size_t SysexBlockCount = BankSize / SysexDataSize;
inline constexpr std::size_t SysexFileSize = SysexBlockCount * SysexBlockSize;

static_assert(SysexFileSize == 25536);

// Creates or truncates `path` and writes the whole file, every piece straight
// to the system; raises EInOutError at the first failure, leaving on disk what
// was written before it. CreateMode::New refuses a file that exists already.
void WriteBank(const std::string& path, const Bank& bank, CreateMode mode = CreateMode::Replace);

}  // namespace orvanel
