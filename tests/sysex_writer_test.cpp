#include <gtest/gtest.h>

#include <algorithm>

#include "bank/sysex_writer.h"
#include "runtime/in_out_error.h"
#include "runtime/random.h"
#include "bank/generate_command.h"
#include "temp_folder.h"

namespace orvanel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

constexpr std::size_t ChecksumAt(std::size_t block) { return block * SysexBlockSize + 264; }

class SysexFile : public ::testing::Test {
 protected:
  std::vector<std::uint8_t> Written(const Bank& bank) {
    WriteBank(path, bank);
    return ReadBytes(path);
  }

  TempFolder folder;
  std::string path = folder / "bank.syx";
};

TEST_F(SysexFile, ChecksumsOfAZeroBankDependOnTheAddressAlone) {
  const auto file = Written(Bank{});
  ASSERT_EQ(file.size(), 25536U);
  struct Case {
    std::size_t block;
    std::uint8_t checksum;
  };
  for (const Case c : {Case{0, 0x7B}, Case{1, 0x79}, Case{63, 0x7D}, Case{64, 0x7A}, Case{95, 0x3C}}) {
    EXPECT_EQ(file[ChecksumAt(c.block)], c.checksum) << "block " << c.block;
  }
}

TEST_F(SysexFile, ChecksumWrapsTo00Not80) {
  Bank sum_to_128{};
  sum_to_128[0] = 0x7B;  // 05 + 00 + 00 + 7B = 128
  EXPECT_EQ(Written(sum_to_128)[ChecksumAt(0)], 0x00);

  Bank all_7f;
  all_7f.fill(0x7F);  // 256 x 7F is a multiple of 128
  EXPECT_EQ(Written(all_7f)[ChecksumAt(0)], 0x7B);
}

TEST_F(SysexFile, EveryChecksumCompletesItsBlockToAMultipleOf128) {
  Bank bank{};
  RandSeed(99);
  GenerateBank(bank);
  const auto file = Written(bank);
  for (std::size_t block = 0; block < SysexBlockCount; ++block) {
    unsigned sum = 0;
    for (std::size_t i = 5; i <= 264; ++i) sum += file[block * SysexBlockSize + i];
    EXPECT_EQ(sum % 128, 0U) << "block " << block;
    EXPECT_LT(file[ChecksumAt(block)], 0x80) << "block " << block;
  }
}

TEST_F(SysexFile, BlocksAreFramedAndAddressedFrom050000) {
  const auto file = Written(Bank{});
  ASSERT_EQ(file.size(), 25536U);
  for (std::size_t block = 0; block < SysexBlockCount; ++block) {
    const std::uint8_t* b = &file[block * SysexBlockSize];
    const unsigned address = 81920 + 256 * static_cast<unsigned>(block);
    const std::vector<std::uint8_t> header(b, b + 8);
    const std::vector<std::uint8_t> expected = {0xF0, 0x41, 0x10, 0x3D, 0x12,
                                                static_cast<std::uint8_t>(address >> 14),
                                                static_cast<std::uint8_t>((address >> 7) & 0x7F), 0x00};
    EXPECT_EQ(header, expected) << "block " << block;
    EXPECT_EQ(b[265], 0xF7) << "block " << block;
  }
  struct Case {
    std::size_t block;
    std::uint8_t a1, a2;
  };
  for (const Case c : {Case{0, 0x05, 0x00}, Case{63, 0x05, 0x7E}, Case{64, 0x06, 0x00}, Case{95, 0x06, 0x3E}}) {
    EXPECT_EQ(file[c.block * SysexBlockSize + 5], c.a1) << "block " << c.block;
    EXPECT_EQ(file[c.block * SysexBlockSize + 6], c.a2) << "block " << c.block;
  }
  EXPECT_EQ(file.front(), 0xF0);
  EXPECT_EQ(file.back(), 0xF7);
}

TEST_F(SysexFile, BankByteJStandsInBlockJDiv256) {
  Bank bank;
  for (std::size_t j = 0; j < BankSize; ++j) bank[j] = static_cast<std::uint8_t>((j * 7 + j / 256) % 128);
  const auto file = Written(bank);
  for (std::size_t j = 0; j < BankSize; ++j) {
    ASSERT_EQ(file[266 * (j / 256) + 8 + j % 256], bank[j]) << "bank byte " << j;
  }
}

TEST_F(SysexFile, ReplacesALongerFileWhole) {
  testing::WriteBytes(path, std::vector<std::uint8_t>(40000, 0xEE));
  const auto file = Written(Bank{});
  EXPECT_EQ(file.size(), 25536U);
  EXPECT_EQ(std::count(file.begin(), file.end(), 0xEE), 0);
}

// Made new in the same step as it is looked for: nothing that exists, not even
// a link to nowhere, is replaced.
TEST_F(SysexFile, ANewFileNeverReplacesOneThatExists) {
  const std::vector<std::uint8_t> old = {1, 2, 3};
  testing::WriteBytes(path, old);
  // A link to a file not yet there is taken too, where the platform makes
  // links (Windows' C++ runtime does not).
  std::vector<std::string> taken_paths{path};
  std::error_code no_links;
  std::filesystem::create_symlink(folder / "nowhere.syx", folder / "link.syx", no_links);
  if (!no_links) taken_paths.push_back(folder / "link.syx");
#ifndef _WIN32
  ASSERT_EQ(taken_paths.size(), 2U) << no_links.message();
#endif
  for (const std::string& taken : taken_paths) {
    try {
      WriteBank(taken, Bank{}, CreateMode::New);
      ADD_FAILURE() << taken << " replaced";
    } catch (const EInOutError& error) {
      EXPECT_EQ(error.ErrorCode(), FileExistsCode);
    }
  }
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_FALSE(std::filesystem::exists(folder / "nowhere.syx"));
  WriteBank(folder / "new.syx", Bank{}, CreateMode::New);
  EXPECT_EQ(ReadBytes(folder / "new.syx").size(), SysexFileSize);
}

TEST_F(SysexFile, TheSameBankGivesTheSameFileAfterAFailedCall) {
  Bank bank{};
  RandSeed(5);
  GenerateBank(bank);
  const auto first = Written(bank);
  EXPECT_THROW(WriteBank(folder / "missing/bank.syx", bank), EInOutError);
  EXPECT_EQ(Written(bank), first);
}

}  // namespace
}  // namespace orvanel
