#include "midi/pacing.h"

#include <cstdio>

namespace orvanel {

std::vector<Microseconds> Departures(std::span<const SysexMessage> messages, Microseconds interval) {
  std::vector<Microseconds> departures;
  departures.reserve(messages.size() + 1);
  Microseconds at{0};
  departures.push_back(at);
  for (const SysexMessage message : messages) {
    at += WireTime(message.size()) + interval;
    departures.push_back(at);
  }
  return departures;
}

std::string SecondsText(Microseconds time) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(time.count()) / 1e6);
  return text;
}

}  // namespace orvanel
