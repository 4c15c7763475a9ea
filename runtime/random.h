// The process-wide pseudo-random generator: reseed from a clock, reseed from a
// given value, and one bounded draw.
//
// The algorithm is fixed (PCG32, XSH-RR output) and the bounded draw is
// Lemire's multiply-and-reject, so a seed gives the same draws with every
// compiler and standard library, without the bias of a plain modulo.
#pragma once

#include <cstdint>

namespace orvanel {

class Pcg32 {
 public:
  static constexpr std::uint64_t DefaultStream = 721347520444481703ULL;

  void Seed(std::uint64_t seed, std::uint64_t stream = DefaultStream) {
    state_ = 0;
    increment_ = (stream << 1U) | 1U;
    Next();
    state_ += seed;
    Next();
  }

  std::uint32_t Next() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + increment_;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rotation) | (xorshifted << ((-rotation) & 31U));
  }

  // Uniform in 0..count-1; count 0 yields 0 without drawing.
  std::uint32_t Below(std::uint32_t count) {
    if (count == 0) return 0;
    std::uint64_t product = std::uint64_t{Next()} * count;
    auto low = static_cast<std::uint32_t>(product);
    if (low < count) {
      const std::uint32_t threshold = (0U - count) % count;
      while (low < threshold) {
        product = std::uint64_t{Next()} * count;
        low = static_cast<std::uint32_t>(product);
      }
    }
    return static_cast<std::uint32_t>(product >> 32U);
  }

 private:
  std::uint64_t state_ = 0x853c49e6748fea9bULL;
  std::uint64_t increment_ = (DefaultStream << 1U) | 1U;
};

// Stands in for the process generator, for tests that need to see or steer
// every draw.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Seed(std::uint64_t seed) = 0;
  virtual std::uint32_t Below(std::uint32_t count) = 0;
};

namespace detail {
inline Pcg32 process_generator;
inline RandomSource* substitute = nullptr;
}  // namespace detail

// A fresh seed from the high-resolution clock.
std::uint64_t ClockSeed();

// Reseeds the process generator from the high-resolution clock.
void Randomize();

// Reseeds the process generator from an explicit value, so that a run can be
// repeated.
inline void RandSeed(std::uint64_t seed) {
  if (detail::substitute != nullptr) {
    detail::substitute->Seed(seed);
  } else {
    detail::process_generator.Seed(seed);
  }
}

// The one draw: an integer uniform in 0..count-1.
inline std::uint32_t Random(std::uint32_t count) {
  if (detail::substitute != nullptr) return detail::substitute->Below(count);
  return detail::process_generator.Below(count);
}

// Random's draws for a hot loop that stores bytes, where a store might alias
// the process-wide state and make the compiler reload it after every draw:
// `loop` takes a draw (draw(count) is Random(count): the same generator, the
// same draws) by value and returns it, so that the state lives in registers
// meanwhile. Nothing else may draw during the loop.
template <typename Loop>
void WithDraws(Loop&& loop) {
  if (detail::substitute != nullptr) {
    loop([](std::uint32_t count) { return detail::substitute->Below(count); });
    return;
  }
  struct Draw {
    Pcg32 generator;
    std::uint32_t operator()(std::uint32_t count) { return generator.Below(count); }
  };
  detail::process_generator = loop(Draw{detail::process_generator}).generator;
}

// Routes the process generator to `source` for the lifetime of the guard.
class ScopedRandomSource {
 public:
  explicit ScopedRandomSource(RandomSource& source) : previous_(detail::substitute) {
    detail::substitute = &source;
  }
  ~ScopedRandomSource() { detail::substitute = previous_; }
  ScopedRandomSource(const ScopedRandomSource&) = delete;
  ScopedRandomSource& operator=(const ScopedRandomSource&) = delete;

 private:
  RandomSource* previous_;
};

}  // namespace orvanel
