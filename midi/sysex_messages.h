// A SysEx file as the messages that go out one at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orvanel {

using SysexMessage = std::span<const std::uint8_t>;

// Every F0 ... F7 message of `bytes`, in order. Bytes outside a message are
// passed over; an F0 without its F7 runs to the end.
std::vector<SysexMessage> SplitMessages(std::span<const std::uint8_t> bytes);

// The JD-800 DT1 messages of a sound file, each that carries more than 256
// data bytes remade as several that carry at most 256 (MaxDt1Data), to the
// same addresses: the size that Orvanel writes and that every MIDI system
// passes whole.
std::vector<std::uint8_t> Dt1OfAtMost256(std::span<const std::uint8_t> bytes);

// The device ID byte, 10..1F, of the unit number 17..32 that the instrument
// shows; nothing for any other text.
std::optional<std::uint8_t> ParseDeviceId(std::string_view text);

// Sets byte 2 of every message, its device ID, to `device`. Nothing else
// changes: Roland's checksum covers the address and data only.
void SetDeviceId(std::span<std::uint8_t> bytes, std::uint8_t device);

}  // namespace orvanel
