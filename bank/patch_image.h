// One patch's 384 bytes as a SysEx file leaves them in the instrument's memory.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "bank/address_space.h"
#include "bank/bank.h"

namespace orvanel {

using PatchImage = std::array<std::uint8_t, PatchSize>;

// The bytes from `address` on; an address never written reads as 0.
inline PatchImage PatchAt(const AddressSpace& memory, std::uint32_t address) {
  PatchImage patch;
  memory.CopyValues(address, patch);
  return patch;
}

// The 16-character name at the start of a patch, every byte that is no
// printable ASCII shown as '.', so that nothing reaches a terminal as a
// control character.
inline std::string ShownPatchName(std::span<const std::uint8_t> patch) {
  std::string name(16, '.');
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (patch[i] >= 0x20 && patch[i] < 0x7F) name[i] = static_cast<char>(patch[i]);
  }
  return name;
}

}  // namespace orvanel
