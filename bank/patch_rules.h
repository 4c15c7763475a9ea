// The rule of every byte of a patch: the patch name, a fixed value, or a value
// drawn uniformly from 0 up to and including a maximum. One row per range of
// offsets, in ascending order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "bank/bank.h"
#include "bank/home_page.h"

namespace orvanel {

enum class RuleKind : std::uint8_t { Name, Fixed, Drawn };

struct ByteRule {
  std::uint8_t first;   // offsets first..last inclusive
  std::uint8_t last;
  RuleKind kind;
  std::uint8_t value;   // the fixed value, or the maximum of a drawn byte
};

namespace rule {
constexpr RuleKind Name = RuleKind::Name;
constexpr RuleKind Fixed = RuleKind::Fixed;
constexpr RuleKind Drawn = RuleKind::Drawn;
}  // namespace rule

// Offsets within the patch: the 16-byte name and the 80 common settings.
inline constexpr auto CommonBlockRules = [] {
  using namespace rule;
  return std::to_array<ByteRule>({
      {0, 15, Name, 0},
      {16, 16, Fixed, 100},
      {17, 17, Fixed, 0},
      {18, 18, Fixed, 127},
      {19, 19, Fixed, 0},
      {20, 20, Fixed, 127},
      {21, 21, Fixed, 0},
      {22, 22, Fixed, 127},
      {23, 23, Fixed, 0},
      {24, 24, Fixed, 127},
      {25, 25, Drawn, 48},
      {26, 26, Drawn, 12},
      {27, 27, Drawn, 26},
      {28, 31, Drawn, 1},
      {32, 32, Drawn, 100},
      {33, 34, Fixed, 15},
      {35, 35, Fixed, 0},
      {36, 36, Drawn, 30},
      {37, 37, Drawn, 16},
      {38, 38, Drawn, 4},
      {39, 39, Drawn, 30},
      {40, 40, Fixed, 1},
      {41, 41, Drawn, 30},
      {42, 42, Fixed, 0},
      {43, 43, Fixed, 85},
      {44, 47, Fixed, 0},
      {48, 48, Fixed, 2},
      {49, 49, Fixed, 0},
      {50, 50, Drawn, 23},
      {51, 51, Drawn, 5},
      {52, 58, Drawn, 1},
      {59, 59, Drawn, 100},
      {60, 60, Drawn, 6},
      {61, 62, Drawn, 100},
      {63, 64, Drawn, 99},
      {65, 67, Drawn, 100},
      {68, 73, Drawn, 30},
      {74, 74, Drawn, 4},
      {75, 76, Drawn, 100},
      {77, 77, Drawn, 125},
      {78, 78, Drawn, 100},
      {79, 79, Drawn, 125},
      {80, 80, Drawn, 100},
      {81, 81, Drawn, 125},
      {82, 82, Drawn, 100},
      {83, 83, Drawn, 98},
      {84, 84, Drawn, 99},
      {85, 85, Drawn, 100},
      {86, 86, Drawn, 99},
      {87, 87, Drawn, 98},
      {88, 88, Drawn, 100},
      {89, 89, Drawn, 9},
      {90, 90, Drawn, 120},
      {91, 91, Drawn, 100},
      {92, 92, Drawn, 16},
      {93, 93, Drawn, 100},
      {94, 94, Drawn, 99},
      {95, 95, Fixed, 0},
  });
}();

// Offsets within each of the four tone blocks.
inline constexpr auto ToneBlockRules = [] {
  using namespace rule;
  return std::to_array<ByteRule>({
      {0, 0, Drawn, 3},
      {1, 1, Drawn, 1},
      {2, 2, Drawn, 100},
      {3, 3, Drawn, 101},
      {4, 4, Drawn, 100},
      {5, 5, Drawn, 4},
      {6, 6, Drawn, 2},
      {7, 7, Drawn, 1},
      {8, 8, Drawn, 100},
      {9, 9, Drawn, 101},
      {10, 10, Drawn, 100},
      {11, 11, Drawn, 4},
      {12, 12, Drawn, 2},
      {13, 13, Drawn, 1},
      {14, 15, Fixed, 0},
      {16, 16, Drawn, 107},
      {17, 17, Fixed, 48},
      {18, 18, Fixed, 50},
      {19, 19, Fixed, 0},
      {20, 20, Fixed, 12},
      {21, 22, Drawn, 1},
      {23, 28, Drawn, 100},
      {29, 29, Drawn, 20},
      {30, 35, Drawn, 100},
      {36, 36, Drawn, 2},
      {37, 38, Drawn, 100},
      {39, 39, Drawn, 40},
      {40, 40, Drawn, 100},
      {41, 41, Drawn, 1},
      {42, 45, Drawn, 100},
      {46, 46, Drawn, 20},
      {47, 54, Drawn, 100},
      {55, 55, Drawn, 2},
      {56, 56, Drawn, 127},
      {57, 57, Drawn, 20},
      {58, 59, Drawn, 100},
      {60, 60, Drawn, 1},
      {61, 63, Drawn, 100},
      {64, 64, Drawn, 20},
      {65, 71, Drawn, 100},
  });
}();

namespace detail {

// Every offset 0..size-1 has exactly one row, rows ascend, and every value
// fits the 7 bits of SysEx data.
constexpr bool CoversEachOffsetOnce(std::span<const ByteRule> rules, std::size_t size) {
  std::size_t next = 0;
  for (const ByteRule& row : rules) {
    if (row.first != next || row.last < row.first || row.value > 127) return false;
    next = std::size_t{row.last} + 1;
  }
  return next == size;
}

constexpr std::size_t CountBytes(std::span<const ByteRule> rules, RuleKind kind) {
  std::size_t count = 0;
  for (const ByteRule& row : rules) {
    if (row.kind == kind) count += std::size_t{row.last} - row.first + 1;
  }
  return count;
}

}  // namespace detail

static_assert(detail::CoversEachOffsetOnce(CommonBlockRules, CommonBlockSize));
static_assert(detail::CoversEachOffsetOnce(ToneBlockRules, ToneBlockSize));
static_assert(detail::CountBytes(CommonBlockRules, RuleKind::Name) == 16);
static_assert(detail::CountBytes(CommonBlockRules, RuleKind::Fixed) == 22);
static_assert(detail::CountBytes(CommonBlockRules, RuleKind::Drawn) == 58);
static_assert(detail::CountBytes(ToneBlockRules, RuleKind::Fixed) == 6);
static_assert(detail::CountBytes(ToneBlockRules, RuleKind::Drawn) == 66);

// A table split by kind, for a fill loop without a branch: the bytes of one
// kind with their values, by ascending offset.
struct ByteValue {
  std::uint8_t offset;
  std::uint8_t value;
};

template <std::size_t Count>
constexpr std::array<ByteValue, Count> BytesOfKind(std::span<const ByteRule> rules, RuleKind kind) {
  std::array<ByteValue, Count> bytes{};
  std::size_t next = 0;
  for (const ByteRule& row : rules) {
    if (row.kind != kind) continue;
    for (unsigned offset = row.first; offset <= row.last; ++offset) {
      bytes[next++] = {static_cast<std::uint8_t>(offset), row.value};
    }
  }
  return bytes;
}

#define ORVANEL_BYTES_OF_KIND(rules, kind) \
  BytesOfKind<detail::CountBytes(rules, kind)>(rules, kind)

inline constexpr auto CommonFixedBytes = ORVANEL_BYTES_OF_KIND(CommonBlockRules, RuleKind::Fixed);
inline constexpr auto CommonDrawnBytes = ORVANEL_BYTES_OF_KIND(CommonBlockRules, RuleKind::Drawn);
inline constexpr auto ToneFixedBytes = ORVANEL_BYTES_OF_KIND(ToneBlockRules, RuleKind::Fixed);
inline constexpr auto ToneDrawnBytes = ORVANEL_BYTES_OF_KIND(ToneBlockRules, RuleKind::Drawn);

#undef ORVANEL_BYTES_OF_KIND

// The rule of each patch byte by its offset in the patch: the tone block
// rules repeated four times; a name byte's value is its character.
struct PatchByteRule {
  RuleKind kind;
  std::uint8_t value;
};

inline constexpr auto PatchByteRules = [] {
  std::array<PatchByteRule, PatchSize> rules{};
  const auto apply = [&](std::span<const ByteRule> rows, std::size_t block) {
    for (const ByteRule& row : rows) {
      for (std::size_t offset = row.first; offset <= row.last; ++offset) {
        rules[block + offset] = {row.kind, row.kind == RuleKind::Name ? static_cast<std::uint8_t>(PatchName[offset])
                                                                      : row.value};
      }
    }
  };
  apply(CommonBlockRules, 0);
  for (std::size_t tone = 0; tone < ToneBlockCount; ++tone) apply(ToneBlockRules, CommonBlockSize + tone * ToneBlockSize);
  return rules;
}();

inline constexpr std::size_t DrawsPerPatch =
    detail::CountBytes(CommonBlockRules, RuleKind::Drawn) +
    ToneBlockCount * detail::CountBytes(ToneBlockRules, RuleKind::Drawn);
static_assert(DrawsPerPatch == 322);

}  // namespace orvanel
