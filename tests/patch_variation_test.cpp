#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "bank/generate_command.h"
#include "bank/patch_randomizer.h"
#include "bank/patch_variation.h"
#include "fake_random.h"
#include "runtime/random.h"

namespace orvanel {
namespace {

using testing::RecordingRandom;

PatchImage RandomImage(std::uint64_t seed) {
  PatchImage patch{};
  RandSeed(seed);
  RandomPatch(patch);
  return patch;
}

Bank SeededBank(std::uint64_t seed) {
  Bank bank{};
  RandSeed(seed);
  GenerateBank(bank);
  return bank;
}

PatchImage PatchImageOf(const Bank& bank, std::size_t k) {
  PatchImage patch;
  std::copy_n(bank.begin() + static_cast<std::ptrdiff_t>((k - 1) * PatchSize), PatchSize, patch.begin());
  return patch;
}

bool Drawn(std::size_t offset) { return PatchByteRules[offset].kind == RuleKind::Drawn; }

// Not from Orvanel: a byte pattern that breaks the name, the fixed bytes and
// many maxima.
PatchImage ForeignPatch() {
  PatchImage patch;
  for (std::size_t i = 0; i < PatchSize; ++i) patch[i] = static_cast<std::uint8_t>((i * 37 + 11) % 128);
  return patch;
}

PatchLocks Lock(std::initializer_list<std::string_view> names) {
  PatchLocks locks;
  for (const std::string_view name : names) locks |= LockedBytes(name).value();
  return locks;
}

TEST(WithinRules, SetsNameAndFixedBytesAndBringsDrawnBytesDownToTheirMaximum) {
  const PatchImage source = ForeignPatch();
  const PatchImage ruled = WithinRules(source);
  for (std::size_t i = 0; i < PatchSize; ++i) {
    const auto [kind, value] = PatchByteRules[i];
    const std::uint8_t expected = kind == RuleKind::Drawn ? std::min(source[i], value) : value;
    EXPECT_EQ(ruled[i], expected) << "byte " << i;
  }
  const PatchImage made = RandomImage(3);
  EXPECT_EQ(WithinRules(made), made);
}

TEST(PatchVariation, AmountZeroCopies) {
  const PatchVariation copy(0, {});
  for (const std::uint64_t seed : {1U, 2U, 3U}) {
    const Bank source = SeededBank(seed);
    Bank from_bank{};
    copy.FromBank(source, from_bank);
    EXPECT_EQ(from_bank, source);

    Bank from_patch{};
    copy.FromPatch(PatchImageOf(source, 5), from_patch);
    for (std::size_t k = 1; k <= PatchCount; ++k) EXPECT_EQ(PatchImageOf(from_patch, k), PatchImageOf(source, 5));
  }
  // A patch from elsewhere comes out within the rules, and otherwise the same.
  Bank foreign{};
  copy.FromPatch(ForeignPatch(), foreign);
  for (std::size_t k = 1; k <= PatchCount; ++k) EXPECT_EQ(PatchImageOf(foreign, k), WithinRules(ForeignPatch()));
}

// Every drawn byte fresh and uniform: exactly the bank that generate draws
// from the same seed, whatever the source held.
TEST(PatchVariation, AmountHundredDrawsAsGenerateDoes) {
  Bank foreign_bank;
  for (std::size_t k = 1; k <= PatchCount; ++k) {
    const PatchImage foreign = ForeignPatch();
    std::copy(foreign.begin(), foreign.end(), PatchOf(foreign_bank, k).begin());
  }
  for (const Bank& source : {SeededBank(8), foreign_bank}) {
    Bank varied{};
    RandSeed(77);
    PatchVariation(100, {}).FromBank(source, varied);
    EXPECT_EQ(varied, SeededBank(77));
  }
}

TEST(PatchVariation, AmountHundredHoldsTheRulesOverManySeeds) {
  std::array<unsigned, PatchSize> highest{};
  const PatchVariation fresh(100, {});
  const PatchImage parent = ForeignPatch();
  for (std::uint64_t seed = 0; seed < 20; ++seed) {
    Bank bank{};
    RandSeed(seed);
    fresh.FromPatch(parent, bank);
    for (std::size_t k = 1; k <= PatchCount; ++k) {
      const PatchImage child = PatchImageOf(bank, k);
      for (std::size_t i = 0; i < PatchSize; ++i) {
        const auto [kind, value] = PatchByteRules[i];
        if (kind == RuleKind::Drawn) {
          ASSERT_LE(child[i], value) << "byte " << i;
          highest[i] = std::max<unsigned>(highest[i], child[i]);
        } else {
          ASSERT_EQ(child[i], value) << "byte " << i;
        }
      }
    }
  }
  for (std::size_t i = 0; i < PatchSize; ++i) {
    if (Drawn(i)) {
      EXPECT_EQ(highest[i], PatchByteRules[i].value) << "byte " << i << " never reached its maximum";
    }
  }
}

// At 20 % each unlocked drawn byte changes with probability 0.2 (every window
// has at least two values, so none is too small for that), and lands within
// r = ceil(m / 5) of where it was, on any other value of that window alike.
TEST(PatchVariation, AMiddleAmountChangesThatShareBySmallMoves) {
  constexpr unsigned Amount = 20;
  const PatchVariation variation(Amount, {});
  std::size_t bytes = 0;
  std::size_t changed = 0;
  double moved = 0;
  double expected_moved = 0;
  for (std::uint64_t seed = 0; seed < 10; ++seed) {
    const PatchImage parent = RandomImage(1000 + seed);
    Bank bank{};
    RandSeed(seed);
    variation.FromPatch(parent, bank);
    for (std::size_t k = 2; k <= PatchCount; ++k) {
      const PatchImage child = PatchImageOf(bank, k);
      for (std::size_t i = 0; i < PatchSize; ++i) {
        if (!Drawn(i)) continue;
        ++bytes;
        if (child[i] == parent[i]) continue;
        ++changed;
        const int max = PatchByteRules[i].value;
        const int radius = (max * static_cast<int>(Amount) + 99) / 100;
        const int move = std::abs(child[i] - parent[i]);
        ASSERT_LE(move, radius) << "byte " << i << " from " << int(parent[i]) << " to " << int(child[i]);
        moved += move;
        // The mean distance to the other values of the window.
        const int low = std::max(0, parent[i] - radius);
        const int high = std::min(max, parent[i] + radius);
        double distances = 0;
        for (int value = low; value <= high; ++value) distances += std::abs(value - parent[i]);
        expected_moved += distances / (high - low);
      }
    }
  }
  // Binomial: five standard deviations, about 0.8 percentage points here.
  const double share = double(changed) / double(bytes);
  const double deviation = std::sqrt(0.2 * 0.8 / double(bytes));
  EXPECT_NEAR(share, 0.2, 5 * deviation) << changed << " of " << bytes;
  // The distances: their spread is below that of 1..20, so 3 % is over five
  // standard deviations.
  EXPECT_NEAR(moved / expected_moved, 1.0, 0.03);
}

TEST(PatchVariation, ASwitchChangesNoMoreOftenThanACoinFlipWould) {
  // Byte 28 is a switch, 0..1: at 80 % its window of two is drawn uniformly.
  const PatchVariation variation(80, {});
  const PatchImage parent = RandomImage(4);
  std::size_t flipped = 0;
  constexpr std::size_t Banks = 40;
  for (std::uint64_t seed = 0; seed < Banks; ++seed) {
    Bank bank{};
    RandSeed(seed);
    variation.FromPatch(parent, bank);
    for (std::size_t k = 2; k <= PatchCount; ++k) flipped += PatchImageOf(bank, k)[28] != parent[28] ? 1 : 0;
  }
  const double trials = Banks * (PatchCount - 1);
  EXPECT_NEAR(flipped / trials, 0.5, 5 * std::sqrt(0.25 / trials));
}

TEST(PatchVariation, LockedGroupsAndTonesNeverChange) {
  const PatchLocks locks = Lock({"tvf", "effects", "B"});
  EXPECT_EQ(locks.count(), 19 * ToneBlockCount + 46 + 72 - 19);
  // A source from elsewhere: a locked byte above its maximum still ends
  // within its rule.
  for (const PatchImage& parent : {RandomImage(5), ForeignPatch()}) {
    const PatchImage ruled = WithinRules(parent);
    PatchLocks ever_changed;
    Bank bank{};
    RandSeed(6);
    PatchVariation(100, locks).FromPatch(parent, bank);
    for (std::size_t k = 1; k <= PatchCount; ++k) {
      const PatchImage child = PatchImageOf(bank, k);
      for (std::size_t i = 0; i < PatchSize; ++i) {
        if (locks.test(i)) {
          ASSERT_EQ(child[i], ruled[i]) << "patch " << k << " byte " << i;
        }
        if (child[i] != ruled[i]) ever_changed.set(i);
      }
    }
    for (std::size_t i = 0; i < PatchSize; ++i) {
      if (Drawn(i) && !locks.test(i)) {
        EXPECT_TRUE(ever_changed.test(i)) << "byte " << i << " never moved";
      }
    }
  }
}

TEST(PatchVariation, TakesOneDrawForEveryUnlockedDrawnByte) {
  const PatchLocks locks = Lock({"A", "lfo"});
  std::size_t locked_drawn = 0;
  for (std::size_t i = 0; i < PatchSize; ++i) locked_drawn += locks.test(i) && Drawn(i) ? 1 : 0;
  const PatchImage parent = RandomImage(9);
  for (const unsigned amount : {0U, 1U, 50U, 100U}) {
    RecordingRandom random(RecordingRandom::Answer::Zero);
    Bank bank{};
    PatchVariation(amount, locks).FromPatch(parent, bank);
    EXPECT_EQ(random.counts.size(), (PatchCount - 1) * (DrawsPerPatch - locked_drawn)) << "amount " << amount;
  }
}

TEST(PatchLocks, NameGroupsInTableOrderThenTones) {
  const std::vector<std::string_view> expected = {"name", "patch", "eq",  "midi-tx", "effects", "control", "lfo", "wg",
                                                  "pitch-env", "tvf", "tva", "A", "B", "C", "D"};
  EXPECT_EQ(LockNames(), expected);
  EXPECT_FALSE(LockedBytes("TVF"));
  EXPECT_FALSE(LockedBytes("E"));
  EXPECT_FALSE(LockedBytes(""));
  EXPECT_EQ(LockedBytes("b"), LockedBytes("B"));
  EXPECT_EQ(LockedBytes("name")->count(), 16U);
}

}  // namespace
}  // namespace orvanel
