// Running the built orvanel-bank in a test: a fresh folder, the program's
// output and exit code, and banks and DT1 messages made apart from it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bank/generate_command.h"
#include "bank/sysex_writer.h"
#include "program_run.h"
#include "runtime/random.h"
#include "temp_folder.h"

namespace orvanel::testing {

using Bytes = std::vector<std::uint8_t>;

using ToolRun = ProgramRun;

class BankTool : public ::testing::Test {
 protected:
  ToolRun Tool(const std::vector<std::string>& arguments) {
    return RunProgram(ORVANEL_BANK_TOOL, arguments, folder / "stdout", folder / "stderr");
  }

  std::string Path(const std::string& name) { return folder / name; }

  TempFolder folder;
};

inline Bank SeededBank(std::uint64_t seed) {
  Bank bank{};
  RandSeed(seed);
  GenerateBank(bank);
  return bank;
}

inline Bytes FileOf(const Bank& bank, const std::string& path) {
  WriteBank(path, bank);
  return ReadBytes(path);
}

// One DT1 message for the JD-800, built here apart from the writer.
inline Bytes Dt1(std::uint32_t address, const std::uint8_t* data, std::size_t size) {
  Bytes message = {0xF0, 0x41, 0x10, 0x3D, 0x12, std::uint8_t(address >> 14), std::uint8_t((address >> 7) & 0x7F),
                   std::uint8_t(address & 0x7F)};
  unsigned sum = message[5] + message[6] + message[7];
  for (std::size_t i = 0; i < size; ++i) {
    message.push_back(data[i]);
    sum += data[i];
  }
  message.push_back(std::uint8_t((128 - sum % 128) % 128));
  message.push_back(0xF7);
  return message;
}

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace orvanel::testing
