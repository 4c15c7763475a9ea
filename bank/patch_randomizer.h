// Fills patch images with random sound settings by the rule tables.
#pragma once

#include <cstdint>

#include "bank/bank.h"

namespace orvanel {

// One draw, uniform in 0..max; max 255 draws from 256 outcomes.
void RandomParam(std::uint8_t& dest, std::uint8_t max);

// Sets all 72 bytes of a tone block: 66 draws.
void RandomTone(ToneBlock tone);

// Sets all 384 bytes of a patch, reading none of them: 322 draws.
void RandomPatch(Patch patch);

}  // namespace orvanel
