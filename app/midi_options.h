// The values of the options that the commands for the instrument share.
#pragma once

#include <optional>
#include <string>

#include "app/command_options.h"
#include "midi/pacing.h"

namespace orvanel {

inline constexpr KnownOption PortOption = {"--port", true};
inline constexpr KnownOption IntervalOption = {"--interval", true};
inline constexpr KnownOption DeviceIdOption = {"--device-id", true};

// Each reads its option from `options` into `value` when it is given, and
// returns the complaint when its value is bad.
std::optional<std::string> ReadInterval(const CommandOptions& options, Microseconds& value);
std::optional<std::string> ReadDeviceId(const CommandOptions& options, std::optional<std::uint8_t>& value);

}  // namespace orvanel
