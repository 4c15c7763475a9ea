#include <gtest/gtest.h>

#include "bank/dt1_message.h"
#include "bank/generate_command.h"
#include "bank/patch_number.h"
#include "bank/sysex_check.h"
#include "bank/sysex_writer.h"
#include "runtime/random.h"
#include "temp_folder.h"

namespace orvanel {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(PatchNumber, ReadsI11ToI88AndNothingElse) {
  struct Case {
    const char* text;
    std::optional<std::size_t> slot;
  };
  for (const Case c : {Case{"I11", 0}, Case{"I18", 7}, Case{"I21", 8}, Case{"i23", 10}, Case{"I88", 63},
                       Case{"I10", {}}, Case{"I19", {}}, Case{"I91", {}}, Case{"I1", {}}, Case{"I111", {}},
                       Case{"11", {}}, Case{"A11", {}}, Case{"", {}}}) {
    EXPECT_EQ(ParsePatchNumber(c.text), c.slot) << c.text;
    if (c.slot) {
      EXPECT_EQ(PatchNumber(*c.slot), std::string(c.text[0] == 'i' ? "I23" : c.text));
    }
  }
}

TEST(Dt1Messages, APatchForTheTemporaryAreaGoesAs256ThenAs128Bytes) {
  Bytes patch(PatchSize);
  for (std::size_t i = 0; i < patch.size(); ++i) patch[i] = static_cast<std::uint8_t>(i % 128);
  const Bytes messages = Dt1Messages(TemporaryPatchAddress, patch);
  ASSERT_EQ(messages.size(), 266U + 138U);
  const Bytes first_header(messages.begin(), messages.begin() + 8);
  const Bytes second_header(messages.begin() + 266, messages.begin() + 274);
  EXPECT_EQ(first_header, (Bytes{0xF0, 0x41, 0x10, 0x3D, 0x12, 0x00, 0x00, 0x00}));
  EXPECT_EQ(second_header, (Bytes{0xF0, 0x41, 0x10, 0x3D, 0x12, 0x00, 0x02, 0x00}));
  EXPECT_TRUE(std::equal(patch.begin(), patch.begin() + 256, messages.begin() + 8));
  EXPECT_TRUE(std::equal(patch.begin() + 256, patch.end(), messages.begin() + 274));
  EXPECT_EQ(messages[265], 0xF7);
  EXPECT_EQ(messages.back(), 0xF7);

  SysexCheck check(false);
  check.Feed(messages);
  check.Finish();
  EXPECT_EQ(check.FaultCount(), 0U);
  ASSERT_EQ(check.CoveredPatches().size(), 1U);
  EXPECT_EQ(check.CoveredPatches()[0].where, "temporary");
}

TEST(Dt1Messages, OfAWholeBankAreTheBankFileByteForByte) {
  Bank bank{};
  RandSeed(5);
  GenerateBank(bank);
  testing::TempFolder folder;
  WriteBank(folder / "bank.syx", bank);
  EXPECT_EQ(Dt1Messages(BankBaseAddress, bank), testing::ReadBytes(folder / "bank.syx"));
  EXPECT_EQ(Dt1Messages(BankBaseAddress, bank, 0x1F)[2], 0x1F);
}

TEST(Dt1Messages, ChecksumIsZeroNotEightyWhenTheSumIsAMultipleOf128) {
  const Bytes data = {0x7B};  // 05 00 00: 5 + 123 = 128
  EXPECT_EQ(RolandChecksum(BankBaseAddress, data), 0);
  EXPECT_EQ(RolandChecksum(BankBaseAddress, Bytes{}), 0x7B);
}

TEST(CoveredPatches, NamesEachWholePatchBySlotAndNoPartOne) {
  Bank bank{};
  RandSeed(9);
  GenerateBank(bank);
  Bytes file = Dt1Messages(SlotAddress(10), std::span(bank).subspan(10 * PatchSize, PatchSize));
  const Bytes part = Dt1Messages(SlotAddress(20), std::span(bank).subspan(20 * PatchSize, PatchSize - 1));
  const Bytes temporary = Dt1Messages(TemporaryPatchAddress, std::span(bank).first(PatchSize));
  file.insert(file.end(), part.begin(), part.end());
  file.insert(file.end(), temporary.begin(), temporary.end());
  SysexCheck check(false);
  check.Feed(file);
  check.Finish();
  EXPECT_FALSE(check.WholeInternalBank());
  ASSERT_EQ(check.CoveredPatches().size(), 2U);
  EXPECT_EQ(check.CoveredPatches()[0].where, "temporary");
  EXPECT_EQ(check.CoveredPatches()[0].address, TemporaryPatchAddress);
  EXPECT_EQ(check.CoveredPatches()[1].where, "I23");
  EXPECT_EQ(check.CoveredPatches()[1].address, SlotAddress(10));
  EXPECT_EQ(check.CoveredPatches()[1].name, "www.orvanel.org ");
}

}  // namespace
}  // namespace orvanel
