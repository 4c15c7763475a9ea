#include "app/midi_options.h"

#include "midi/sysex_messages.h"

namespace orvanel {
namespace {

constexpr std::uint64_t MaxIntervalMs = 60'000;

}  // namespace

std::optional<std::string> ReadInterval(const CommandOptions& options, Microseconds& value) {
  const std::optional<std::string> text = options.Value(IntervalOption.name);
  if (!text) return std::nullopt;
  const std::optional<std::uint64_t> ms = ParseWholeNumber(*text, MaxIntervalMs);
  if (!ms) return "--interval takes whole milliseconds from 0 to " + std::to_string(MaxIntervalMs);
  value = std::chrono::milliseconds(*ms);
  return std::nullopt;
}

std::optional<std::string> ReadDeviceId(const CommandOptions& options, std::optional<std::uint8_t>& value) {
  const std::optional<std::string> text = options.Value(DeviceIdOption.name);
  if (!text) return std::nullopt;
  value = ParseDeviceId(*text);
  if (!value) return "--device-id takes the unit number that the JD-800 shows, 17 to 32";
  return std::nullopt;
}

}  // namespace orvanel
