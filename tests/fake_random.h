// Generators that stand in for the process generator while a test runs.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/random.h"

namespace orvanel::testing {

// Answers every draw with a fixed choice and remembers the counts asked for.
class RecordingRandom : public RandomSource {
 public:
  enum class Answer { Highest, Zero };
  explicit RecordingRandom(Answer answer) : answer_(answer), guard_(*this) {}

  void Seed(std::uint64_t seed) override { seeds.push_back(seed); }
  std::uint32_t Below(std::uint32_t count) override {
    counts.push_back(count);
    if (counts.size() == zero_at_draw) return 0;
    return answer_ == Answer::Highest ? count - 1 : 0;
  }

  std::vector<std::uint64_t> seeds;
  std::vector<std::uint32_t> counts;
  std::size_t zero_at_draw = 0;  // 1-based; this one draw answers 0 whatever Answer says

 private:
  Answer answer_;
  ScopedRandomSource guard_;
};

}  // namespace orvanel::testing
