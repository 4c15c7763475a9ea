// Variations of a patch: a share of its drawn bytes moved a short way, with
// draws from the process generator, every byte within its rule.
//
// For each drawn byte that is not locked, by ascending offset, with maximum m,
// old value s and amount a (0..100): r = ceil(m a / 100), and the window is
// max(0, s - r) .. min(m, s + r), n values. If a n >= 100 (n - 1), one draw
// from 0..n-1 picks the new value in the window, counted from its low end.
// Otherwise one draw x from 0..100 (n - 1) - 1 decides: if x mod 100 < a the
// byte moves to value number x div 100 of the window without s, else it
// stays. So each such byte takes one draw, changes with probability a/100 (or
// (n - 1)/n where the window is too small for that), and only within r of
// where it was. At 100 the window is all of 0..m and the draw is RandomPatch's
// own; at 0 nothing moves.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

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

  // Patch I11 of `bank` is `parent` within the rules; I12..I88 are variations
  // of it, in that order.
  void FromPatch(std::span<const std::uint8_t, PatchSize> parent, Bank& bank) const;
  // Patch k of `bank` a variation of patch k of `source`, k = 1..64 in order.
  void FromBank(const Bank& source, Bank& bank) const;

 private:
  // `child` as a variation of `parent`, which must be within the rules.
  void Vary(const PatchImage& parent, Patch child) const;

  // Where a byte of some maximum may go from each old value, worked out once,
  // so that a variation costs little more than a fresh patch.
  struct Window {
    std::uint8_t low;     // its first value
    std::uint8_t whole;   // 1: drawn uniformly from the window
    std::uint16_t count;  // of the one draw: the window's values, or 100 x those but the old one
  };
  struct Step {
    std::uint16_t offset;   // in the patch
    std::uint16_t windows;  // the windows of its maximum in windows_, one an old value
  };
  unsigned amount_;
  std::vector<Window> windows_;
  std::array<Step, DrawsPerPatch> steps_{};
  std::size_t step_count_ = 0;
};

}  // namespace orvanel
