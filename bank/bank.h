// The shapes of a JD-800 patch image and of a bank of 64 of them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvanel {

inline constexpr std::size_t CommonBlockSize = 96;
inline constexpr std::size_t ToneBlockSize = 72;
inline constexpr std::size_t ToneBlockCount = 4;
inline constexpr std::size_t PatchSize = CommonBlockSize + ToneBlockCount * ToneBlockSize;
inline constexpr std::size_t PatchCount = 64;
inline constexpr std::size_t BankSize = PatchCount * PatchSize;

static_assert(PatchSize == 384);
static_assert(BankSize == 24576);

using Bank = std::array<std::uint8_t, BankSize>;
using Patch = std::span<std::uint8_t, PatchSize>;
using ToneBlock = std::span<std::uint8_t, ToneBlockSize>;

// Patch k, counted from 1 as the instrument's owners count them.
inline Patch PatchOf(Bank& bank, std::size_t k) {
  return Patch(bank.data() + (k - 1) * PatchSize, PatchSize);
}

}  // namespace orvanel
