#include "bank/patch_randomizer.h"

#include <algorithm>

#include "bank/home_page.h"
#include "bank/patch_rules.h"
#include "runtime/random.h"

namespace orvanel {
namespace {

// Fixed bytes take no draw, so they may go first; the drawn ones follow by
// ascending offset, which is the order of the draws. The draws land in a
// local buffer first: a store into the block could alias the generator's
// state, and would make the compiler reload it after every draw.
template <std::size_t Fixed, std::size_t Drawn>
void ApplyRules(const std::array<ByteValue, Fixed>& fixed, const std::array<ByteValue, Drawn>& drawn,
                std::uint8_t* block) {
  for (const ByteValue& byte : fixed) block[byte.offset] = byte.value;
  std::array<std::uint8_t, Drawn> values;
  for (std::size_t i = 0; i < Drawn; ++i) RandomParam(values[i], drawn[i].value);
  for (std::size_t i = 0; i < Drawn; ++i) block[drawn[i].offset] = values[i];
}

}  // namespace

void RandomParam(std::uint8_t& dest, std::uint8_t max) {
  dest = static_cast<std::uint8_t>(Random(std::uint32_t{max} + 1));
}

void RandomTone(ToneBlock tone) { ApplyRules(ToneFixedBytes, ToneDrawnBytes, tone.data()); }

void RandomPatch(Patch patch) {
  std::copy(PatchName.begin(), PatchName.end(), patch.begin());
  ApplyRules(CommonFixedBytes, CommonDrawnBytes, patch.data());
  for (std::size_t k = 0; k < ToneBlockCount; ++k) {
    RandomTone(patch.subspan(CommonBlockSize + k * ToneBlockSize).first<ToneBlockSize>());
  }
}

}  // namespace orvanel
