#include "bank/patch_randomizer.h"

#include "bank/home_page.h"
#include "bank/patch_rules.h"
#include "runtime/random.h"

namespace orvanel {
namespace {

void ApplyRules(std::span<const ByteRule> rules, std::uint8_t* block) {
  for (const ByteRule& row : rules) {
    for (unsigned offset = row.first; offset <= row.last; ++offset) {
      switch (row.kind) {
        case RuleKind::Name:
          block[offset] = static_cast<std::uint8_t>(PatchName[offset - row.first]);
          break;
        case RuleKind::Fixed:
          block[offset] = row.value;
          break;
        case RuleKind::Drawn:
          RandomParam(block[offset], row.value);
          break;
      }
    }
  }
}

}  // namespace

void RandomParam(std::uint8_t& dest, std::uint8_t max) {
  dest = static_cast<std::uint8_t>(Random(std::uint32_t{max} + 1));
}

void RandomTone(ToneBlock tone) { ApplyRules(ToneBlockRules, tone.data()); }

void RandomPatch(Patch patch) {
  ApplyRules(CommonBlockRules, patch.data());
  for (std::size_t k = 0; k < ToneBlockCount; ++k) {
    RandomTone(patch.subspan(CommonBlockSize + k * ToneBlockSize).first<ToneBlockSize>());
  }
}

}  // namespace orvanel
