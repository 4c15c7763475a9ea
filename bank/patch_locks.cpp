#include "bank/patch_locks.h"

#include <algorithm>

#include "bank/parameter_table.h"

namespace orvanel {
namespace {

constexpr std::string_view ToneLetters[ToneBlockCount] = {"A", "B", "C", "D"};

std::optional<std::size_t> ToneOfLetter(std::string_view name) {
  if (name.size() != 1) return std::nullopt;
  const char letter = static_cast<char>(name[0] & ~0x20);  // upper case
  if (letter < 'A' || letter > 'D') return std::nullopt;
  return static_cast<std::size_t>(letter - 'A');
}

}  // namespace

std::vector<std::string_view> LockNames() {
  std::vector<std::string_view> names;
  for (const Parameter& row : Parameters) {
    if (std::find(names.begin(), names.end(), row.group) == names.end()) names.push_back(row.group);
  }
  names.insert(names.end(), std::begin(ToneLetters), std::end(ToneLetters));
  return names;
}

std::optional<PatchLocks> LockedBytes(std::string_view name) {
  PatchLocks locks;
  if (const auto tone = ToneOfLetter(name)) {
    const std::size_t first = CommonBlockSize + *tone * ToneBlockSize;
    for (std::size_t i = first; i < first + ToneBlockSize; ++i) locks.set(i);
    return locks;
  }
  for (std::size_t row = 0; row < Parameters.size(); ++row) {
    if (Parameters[row].group != name) continue;
    const bool tone = Parameters[row].block == ParameterBlock::Tone;
    for (std::size_t block = 0; block < (tone ? ToneBlockCount : 1); ++block) {
      const std::size_t start = tone ? CommonBlockSize + block * ToneBlockSize : 0;
      for (std::size_t i = Parameters[row].offset; i < ParameterEnd(row); ++i) locks.set(start + i);
    }
  }
  if (locks.none()) return std::nullopt;
  return locks;
}

}  // namespace orvanel
