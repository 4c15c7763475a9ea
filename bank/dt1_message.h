// Roland DT1 (data set 1) messages for the JD-800, made from an address and
// its data, for everything but the bank writer, whose steps are its own.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "bank/bank.h"
#include "bank/sysex_format.h"

namespace orvanel {

// The most data bytes that one message carries.
inline constexpr std::size_t MaxDt1Data = 256;

// The value 0..127 that brings the address bytes and the data to a multiple
// of 128. The device ID is not summed.
std::uint8_t RolandChecksum(std::uint32_t address, std::span<const std::uint8_t> data);

// Appends F0 41 dev 3D 12 a1 a2 a3, the data, the checksum and F7 to `out`.
void AppendDt1(std::vector<std::uint8_t>& out, std::uint32_t address, std::span<const std::uint8_t> data,
               std::uint8_t device = DeviceId);

// `bytes` written from `address` on, as DT1 messages of at most 256 data
// bytes each, in address order: a patch at 00 00 00 goes as 00 00 00 (256
// bytes), then 00 02 00 (128 bytes).
std::vector<std::uint8_t> Dt1Messages(std::uint32_t address, std::span<const std::uint8_t> bytes,
                                      std::uint8_t device = DeviceId);

}  // namespace orvanel
