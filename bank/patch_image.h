// One patch's 384 bytes as a SysEx file leaves them in the instrument's memory.
#pragma once

#include <array>
#include <cstdint>

#include "bank/address_space.h"
#include "bank/bank.h"

namespace orvanel {

using PatchImage = std::array<std::uint8_t, PatchSize>;

// The bytes from `address` on; an address never written reads as 0.
inline PatchImage PatchAt(const AddressSpace& memory, std::uint32_t address) {
  PatchImage patch{};
  for (std::uint32_t i = 0; i < PatchSize; ++i) patch[i] = memory.At(address + i).value;
  return patch;
}

}  // namespace orvanel
