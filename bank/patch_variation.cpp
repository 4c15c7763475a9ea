#include "bank/patch_variation.h"

#include <algorithm>

#include "runtime/random.h"

namespace orvanel {

namespace {

// The rules as two byte arrays, so that WithinRules runs without a branch and
// the compiler can do it in vector registers.
constexpr auto RuleValues = [] {
  PatchImage values{};
  for (std::size_t i = 0; i < PatchSize; ++i) values[i] = PatchByteRules[i].value;
  return values;
}();
constexpr auto DrawnMask = [] {
  PatchImage mask{};
  for (std::size_t i = 0; i < PatchSize; ++i) mask[i] = PatchByteRules[i].kind == RuleKind::Drawn ? 0xFF : 0;
  return mask;
}();

}  // namespace

PatchImage WithinRules(std::span<const std::uint8_t, PatchSize> source) {
  PatchImage patch;
  for (std::size_t i = 0; i < PatchSize; ++i) {
    const std::uint8_t drawn = std::min(source[i], RuleValues[i]);
    patch[i] = static_cast<std::uint8_t>((drawn & DrawnMask[i]) | (RuleValues[i] & ~DrawnMask[i]));
  }
  return patch;
}

PatchVariation::PatchVariation(unsigned amount, const PatchLocks& locks) : amount_(amount) {
  constexpr std::uint16_t None = 0xFFFF;
  std::array<std::uint16_t, 128> windows_of_max;
  windows_of_max.fill(None);
  for (std::size_t i = 0; i < PatchSize; ++i) {
    const auto [kind, max] = PatchByteRules[i];
    if (kind != RuleKind::Drawn || locks.test(i)) continue;
    if (windows_of_max[max] == None) {
      windows_of_max[max] = static_cast<std::uint16_t>(windows_.size());
      const int radius = static_cast<int>((max * amount + MaxAmount - 1) / MaxAmount);
      for (int old = 0; old <= max; ++old) {
        const int low = std::max(old - radius, 0);
        const auto others = static_cast<unsigned>(std::min<int>(max, old + radius) - low);
        const bool whole = amount * (others + 1) >= MaxAmount * others;
        windows_.push_back({static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(whole),
                            static_cast<std::uint16_t>(whole ? others + 1 : MaxAmount * others)});
      }
    }
    steps_[step_count_++] = {static_cast<std::uint16_t>(i), windows_of_max[max]};
  }
}

void PatchVariation::Vary(const PatchImage& parent, Patch child) const {
  WithDraws([&](auto random) {
    PatchImage patch = parent;
    const unsigned amount = amount_;
    for (std::size_t i = 0; i < step_count_; ++i) {
      const Step step = steps_[i];
      const unsigned old = patch[step.offset];
      const Window window = windows_[step.windows + old];
      const std::uint32_t x = random(window.count);
      if (window.whole != 0) {
        patch[step.offset] = static_cast<std::uint8_t>(window.low + x);
        continue;
      }
      // One draw makes two: the value to move to, and whether to move at
      // all; chosen without a branch, which at middle amounts would go
      // either way at random.
      const unsigned value = window.low + x / MaxAmount;
      const unsigned moved = value + (value >= old ? 1 : 0);
      const unsigned keep = 0U - static_cast<unsigned>(x % MaxAmount >= amount);
      patch[step.offset] = static_cast<std::uint8_t>((old & keep) | (moved & ~keep));
    }
    std::copy(patch.begin(), patch.end(), child.begin());
    return random;
  });
}

void PatchVariation::FromPatch(std::span<const std::uint8_t, PatchSize> parent, Bank& bank) const {
  const PatchImage ruled = WithinRules(parent);
  std::copy(ruled.begin(), ruled.end(), PatchOf(bank, 1).begin());
  for (std::size_t k = 2; k <= PatchCount; ++k) Vary(ruled, PatchOf(bank, k));
}

void PatchVariation::FromBank(const Bank& source, Bank& bank) const {
  for (std::size_t k = 1; k <= PatchCount; ++k) {
    const auto patch = std::span(source).subspan((k - 1) * PatchSize).first<PatchSize>();
    Vary(WithinRules(patch), PatchOf(bank, k));
  }
}

}  // namespace orvanel
