// Variations of a patch: a share of its drawn bytes moved a short way, with
// draws from the process generator, every byte within its rule.
//
// For each drawn byte that is not locked, by ascending offset, with maximum m,
// source value s and amount a (0..100): the window is s-r..s+r within 0..m,
// r = ceil(m a / 100), n values in all. If a n >= 100 (n - 1) the byte is
// drawn uniformly from the window; otherwise one draw x from 0..100(n-1)-1
// moves it, when x < a (n-1), to value x mod (n-1) of the window without s,
// and leaves it at s otherwise. One draw a byte either way: the byte changes
// with probability a/100 (or (n-1)/n, where the window is too small for
// that), always within r of where it was. At 100 the window is all of 0..m
// and the byte is drawn just as RandomPatch draws it; at 0 it stays.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "bank/bank.h"
#include "bank/patch_image.h"
#include "bank/patch_locks.h"
#include "bank/patch_rules.h"

namespace orvanel {

inline constexpr unsigned MaxAmount = 100;

// `source` within the rules: the name and the fixed bytes take their rule's
// value, a drawn byte above its maximum takes the maximum.
PatchImage WithinRules(std::span<const std::uint8_t, PatchSize> source);

class PatchVariation {
 public:
  // `amount` 0..100.
  PatchVariation(unsigned amount, const PatchLocks& locks);

  // `child` as a variation of `parent`, which must be within the rules: one
  // draw for every drawn byte that is not locked.
  void Vary(const PatchImage& parent, Patch child) const;

  // Patch I11 of `bank` is `parent` within the rules; I12..I88 are variations
  // of it, in that order.
  void FromPatch(std::span<const std::uint8_t, PatchSize> parent, Bank& bank) const;
  // Patch k of `bank` a variation of patch k of `source`, k = 1..64 in order.
  void FromBank(const Bank& source, Bank& bank) const;

 private:
  struct Step {
    std::uint16_t offset;  // in the patch
    std::uint8_t max;
    std::uint8_t radius;
  };
  unsigned amount_;
  unsigned whole_up_to_;  // the most values but the old one of a window drawn whole
  std::array<Step, DrawsPerPatch> steps_{};
  std::size_t step_count_ = 0;
};

}  // namespace orvanel
