#include "runtime/random.h"

#include <chrono>

namespace orvanel {

std::uint64_t ClockSeed() {
  return static_cast<std::uint64_t>(
      std::chrono::steady_clock::now().time_since_epoch().count());
}

void Randomize() { RandSeed(ClockSeed()); }

}  // namespace orvanel
