// The JD-800's SysEx vocabulary: Roland DT1 (data set 1) messages, and where
// the internal bank lies in the instrument's memory.
#pragma once

#include <array>
#include <cstdint>

#include "bank/bank.h"

namespace orvanel {

inline constexpr std::uint8_t SysexStart = 0xF0;
inline constexpr std::uint8_t RolandId = 0x41;
inline constexpr std::uint8_t DeviceId = 0x10;
inline constexpr std::uint8_t Jd800ModelId = 0x3D;
inline constexpr std::uint8_t DataSet1 = 0x12;
inline constexpr std::uint8_t SysexEnd = 0xF7;

// Addresses are three 7-bit bytes, most significant first: 21 bits in all.
inline constexpr std::uint32_t AddressSpaceSize = 1U << 21U;

inline constexpr std::array<std::uint8_t, 3> AddressBytes(std::uint32_t address) {
  return {static_cast<std::uint8_t>(address / 16384), static_cast<std::uint8_t>(address % 16384 / 128),
          static_cast<std::uint8_t>(address % 128)};
}

inline constexpr std::uint32_t LinearAddress(std::uint8_t a1, std::uint8_t a2, std::uint8_t a3) {
  return a1 * 16384U + a2 * 128U + a3;
}

// The internal bank: 05 00 00 up to 06 3F 7F.
inline constexpr std::uint32_t BankBaseAddress = 5 * 16384;
inline constexpr std::uint32_t BankEndAddress = BankBaseAddress + BankSize;  // one past

// The patch being played and edited, in the layout of an internal patch: a
// patch sent there sounds at once and overwrites no memory.
inline constexpr std::uint32_t TemporaryPatchAddress = 0;

// Internal patch `slot` (0 for I11, 63 for I88).
inline constexpr std::uint32_t SlotAddress(std::size_t slot) {
  return BankBaseAddress + static_cast<std::uint32_t>(slot * PatchSize);
}

}  // namespace orvanel
