#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "bank/generate_command.h"
#include "bank/home_page.h"
#include "bank/patch_randomizer.h"
#include "fake_random.h"

namespace orvanel {
namespace {

using testing::RecordingRandom;

// Each byte's rule written out offset by offset: M(m) is drawn from 0..m,
// F(v) is fixed at v.
struct Expected {
  bool drawn;
  std::uint8_t value;
};
constexpr Expected M(std::uint8_t max) { return {true, max}; }
constexpr Expected F(std::uint8_t value) { return {false, value}; }

// Patch offsets 16..95.
constexpr std::array<Expected, 80> CommonSettings = {
    F(100), F(0),   F(127), F(0),   F(127), F(0),   F(127), F(0),
    F(127), M(48),  M(12),  M(26),  M(1),   M(1),   M(1),   M(1),
    M(100), F(15),  F(15),  F(0),   M(30),  M(16),  M(4),   M(30),
    F(1),   M(30),  F(0),   F(85),  F(0),   F(0),   F(0),   F(0),
    F(2),   F(0),   M(23),  M(5),   M(1),   M(1),   M(1),   M(1),
    M(1),   M(1),   M(1),   M(100), M(6),   M(100), M(100), M(99),
    M(99),  M(100), M(100), M(100), M(30),  M(30),  M(30),  M(30),
    M(30),  M(30),  M(4),   M(100), M(100), M(125), M(100), M(125),
    M(100), M(125), M(100), M(98),  M(99),  M(100), M(99),  M(98),
    M(100), M(9),   M(120), M(100), M(16),  M(100), M(99),  F(0),
};

// Tone block offsets 0..71.
constexpr std::array<Expected, 72> ToneSettings = {
    M(3),   M(1),   M(100), M(101), M(100), M(4),   M(2),   M(1),
    M(100), M(101), M(100), M(4),   M(2),   M(1),   F(0),   F(0),
    M(107), F(48),  F(50),  F(0),   F(12),  M(1),   M(1),   M(100),
    M(100), M(100), M(100), M(100), M(100), M(20),  M(100), M(100),
    M(100), M(100), M(100), M(100), M(2),   M(100), M(100), M(40),
    M(100), M(1),   M(100), M(100), M(100), M(100), M(20),  M(100),
    M(100), M(100), M(100), M(100), M(100), M(100), M(100), M(2),
    M(127), M(20),  M(100), M(100), M(1),   M(100), M(100), M(100),
    M(20),  M(100), M(100), M(100), M(100), M(100), M(100), M(100),
};

// The rule of every patch byte except the name, and the draws in order.
std::array<Expected, PatchSize> PatchRules() {
  std::array<Expected, PatchSize> rules{};
  std::copy(CommonSettings.begin(), CommonSettings.end(), rules.begin() + 16);
  for (std::size_t k = 0; k < ToneBlockCount; ++k) {
    std::copy(ToneSettings.begin(), ToneSettings.end(), rules.begin() + 96 + k * 72);
  }
  return rules;
}

std::vector<std::uint32_t> DrawCountsOfOnePatch() {
  std::vector<std::uint32_t> counts;
  const auto rules = PatchRules();
  for (std::size_t offset = 16; offset < PatchSize; ++offset) {
    if (rules[offset].drawn) counts.push_back(rules[offset].value + 1U);
  }
  return counts;
}

Bank FilledWithGarbage() {
  Bank bank;
  for (std::size_t i = 0; i < bank.size(); ++i) bank[i] = static_cast<std::uint8_t>(0xA5 ^ i);
  return bank;
}

TEST(RandomPatch, EveryByteFollowsItsRuleAtBothEndsOfItsRange) {
  for (const auto answer : {RecordingRandom::Answer::Highest, RecordingRandom::Answer::Zero}) {
    RecordingRandom random(answer);
    Bank bank = FilledWithGarbage();
    RandomPatch(PatchOf(bank, 1));

    const auto rules = PatchRules();
    for (std::size_t offset = 0; offset < 16; ++offset) {
      EXPECT_EQ(bank[offset], static_cast<std::uint8_t>(PatchName[offset])) << offset;
    }
    for (std::size_t offset = 16; offset < PatchSize; ++offset) {
      const bool highest = answer == RecordingRandom::Answer::Highest;
      const std::uint8_t expected = !rules[offset].drawn || highest ? rules[offset].value : 0;
      EXPECT_EQ(bank[offset], expected) << "patch byte " << offset;
    }
    EXPECT_EQ(random.counts, DrawCountsOfOnePatch());
  }
}

TEST(RandomPatch, MaximaNextTo100And127AreExact) {
  struct Case {
    std::size_t patch_byte;
    std::uint8_t max;
  };
  const Case cases[] = {
      {96 + 3, 101}, {96 + 9, 101}, {168 + 16, 107}, {63, 99}, {64, 99},  {84, 99},
      {86, 99},      {94, 99},      {83, 98},        {87, 98}, {77, 125}, {79, 125},
      {81, 125},     {90, 120},     {312 + 56, 127}, {28, 1},  {31, 1},
  };
  RecordingRandom random(RecordingRandom::Answer::Highest);
  Bank bank{};
  RandomPatch(PatchOf(bank, 1));
  for (const Case& c : cases) EXPECT_EQ(bank[c.patch_byte], c.max) << c.patch_byte;
  // Tone offset 56 is the only byte that may reach 127 by a draw.
  std::size_t full_range = 0;
  for (std::uint32_t count : random.counts) full_range += count == 128 ? 1 : 0;
  EXPECT_EQ(full_range, ToneBlockCount);
}

TEST(RandomPatch, ThePatchNameIsTheHomePageWithoutItsScheme) {
  EXPECT_EQ(std::string_view(PatchName.data(), PatchName.size()),
            std::string(HomePageAddress.substr(7)) + " ");
}

TEST(GenerateBank, DrawsLandInTheirBytesPatchAfterPatch) {
  struct Case {
    std::size_t draw;       // counted from 1 over the whole bank
    std::size_t bank_byte;  // where it lands
  };
  const Case cases[] = {
      {1, 25},    {58, 94},         {59, 96},          {124, 167},      {125, 168},
      {256, 311}, {257, 312},       {322, 383},        {323, 384 + 25}, {20608, BankSize - 1},
  };
  Bank highest{};
  {
    RecordingRandom random(RecordingRandom::Answer::Highest);
    GenerateBank(highest);
  }
  for (const Case& c : cases) {
    Bank marked{};
    RecordingRandom random(RecordingRandom::Answer::Highest);
    random.zero_at_draw = c.draw;
    GenerateBank(marked);
    EXPECT_EQ(random.counts.size(), 20608U);

    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < BankSize; ++i) {
      if (highest[i] != marked[i]) changed.push_back(i);
    }
    EXPECT_EQ(changed, std::vector<std::size_t>{c.bank_byte}) << "draw " << c.draw;
  }
}

TEST(GenerateBank, AsksEveryPatchForTheSameCountsAndKeepsFixedBytes) {
  RecordingRandom random(RecordingRandom::Answer::Zero);
  Bank bank = FilledWithGarbage();
  GenerateBank(bank);

  const auto one_patch = DrawCountsOfOnePatch();
  ASSERT_EQ(random.counts.size(), PatchCount * one_patch.size());
  for (std::size_t k = 0; k < PatchCount; ++k) {
    EXPECT_TRUE(std::equal(one_patch.begin(), one_patch.end(),
                           random.counts.begin() + static_cast<std::ptrdiff_t>(k * one_patch.size())))
        << "patch " << k + 1;
    EXPECT_TRUE(std::equal(bank.begin(), bank.begin() + PatchSize,
                           bank.begin() + static_cast<std::ptrdiff_t>(k * PatchSize)))
        << "patch " << k + 1;
  }
}

TEST(GenerateBank, OldContentsNeverShowThrough) {
  Bank over_garbage = FilledWithGarbage();
  Bank over_zeros{};
  RandSeed(2024);
  GenerateBank(over_garbage);
  RandSeed(2024);
  GenerateBank(over_zeros);
  EXPECT_EQ(over_garbage, over_zeros);
  EXPECT_TRUE(std::all_of(over_zeros.begin(), over_zeros.end(), [](std::uint8_t b) { return b <= 127; }));
}

TEST(RandomParam, TakesOneDrawAtEveryMaximumCountingAllOutcomes) {
  struct Case {
    std::uint8_t max;
    std::uint32_t count;
  };
  for (const Case c : {Case{0, 1}, Case{1, 2}, Case{127, 128}, Case{255, 256}}) {
    RecordingRandom random(RecordingRandom::Answer::Highest);
    std::uint8_t dest = 7;
    RandomParam(dest, c.max);
    EXPECT_EQ(random.counts, std::vector<std::uint32_t>{c.count});
    EXPECT_EQ(dest, c.max);
  }
}

}  // namespace
}  // namespace orvanel
