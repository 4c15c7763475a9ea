// How the instrument shows a parameter byte, read from the `shown` column of
// the parameter table at compile time:
//   v, v+1, v-50, 2v-98 %, 0.1+0.1v Hz   a number: (base + scale v) / 10^decimals, then a unit
//   note(v), note(v+24)                  a note name, 60 = C4
//   OFF/ON, HP/BP/LP, ...                the names of 0, 1, 2, ...
//   tones (A=1 B=2 C=4 D=8)              which of the four tones, as ABCD with '-' for one left out
//   text                                 the patch name, shown by the caller
//   unused                               a byte the instrument ignores: shown as nothing
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "bank/parameter_table.h"

namespace orvanel {

enum class ShownKind : std::uint8_t { Invalid, Text, Unused, Number, Note, List, Tones };

struct ShownForm {
  ShownKind kind = ShownKind::Invalid;
  int base = 0;  // Number: (base + scale v) / 10^decimals; Note: the note is v + base
  int scale = 1;
  int decimals = 0;
  std::string_view unit;   // Number: shown after a blank
  std::string_view items;  // List: the names, separated by '/'
};

namespace detail {

constexpr ShownForm OfKind(ShownKind kind, int base = 0) {
  ShownForm form;
  form.kind = kind;
  form.base = base;
  return form;
}

struct Decimal {
  int mantissa = 0;
  int decimals = 0;
  bool read = false;
};

constexpr Decimal ReadDecimal(std::string_view text, std::size_t& at) {
  Decimal number;
  bool point = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c >= '0' && c <= '9') {
      number.mantissa = number.mantissa * 10 + (c - '0');
      number.decimals += point ? 1 : 0;
      number.read = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  return number;
}

constexpr int Scaled(Decimal number, int decimals) {
  int mantissa = number.mantissa;
  for (int i = number.decimals; i < decimals; ++i) mantissa *= 10;
  return mantissa;
}

// [base+][scale]v[+base|-base][ unit]
constexpr ShownForm ParseLinear(std::string_view text) {
  std::size_t at = 0;
  Decimal base{0, 0, false};
  Decimal scale = ReadDecimal(text, at);
  if (scale.read && at < text.size() && text[at] == '+') {
    base = scale;
    scale = ReadDecimal(text, ++at);
  }
  if (!scale.read) scale = {1, 0, true};
  if (at == text.size() || text[at] != 'v') return {};
  ++at;
  int sign = 1;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (base.read) return {};
    sign = text[at] == '-' ? -1 : 1;
    base = ReadDecimal(text, ++at);
    if (!base.read) return {};
  }
  std::string_view unit;
  if (at < text.size()) {
    if (text[at] != ' ' || at + 1 == text.size()) return {};
    unit = text.substr(at + 1);
  }
  const int decimals = std::max(base.decimals, scale.decimals);
  ShownForm form = OfKind(ShownKind::Number, sign * Scaled(base, decimals));
  form.scale = Scaled(scale, decimals);
  form.decimals = decimals;
  form.unit = unit;
  return form;
}

constexpr bool HasEmptyItem(std::string_view items) {
  return items.starts_with('/') || items.ends_with('/') || items.find("//") != std::string_view::npos;
}

}  // namespace detail

inline constexpr std::string_view ToneLettersForm = "tones (A=1 B=2 C=4 D=8)";

constexpr ShownForm ParseShown(std::string_view shown) {
  if (shown == "text") return detail::OfKind(ShownKind::Text);
  if (shown == "unused") return detail::OfKind(ShownKind::Unused);
  if (shown == ToneLettersForm) return detail::OfKind(ShownKind::Tones);
  if (shown.starts_with("note(") && shown.ends_with(")")) {
    const ShownForm inner = detail::ParseLinear(shown.substr(5, shown.size() - 6));
    if (inner.kind != ShownKind::Number || inner.scale != 1 || inner.decimals != 0 || !inner.unit.empty()) return {};
    return detail::OfKind(ShownKind::Note, inner.base);
  }
  if (shown.find('/') != std::string_view::npos) {
    if (detail::HasEmptyItem(shown)) return {};
    ShownForm form = detail::OfKind(ShownKind::List);
    form.items = shown;
    return form;
  }
  return detail::ParseLinear(shown);
}

// The forms of the parameter table, row by row.
inline constexpr auto ParameterForms = [] {
  std::array<ShownForm, Parameters.size()> forms{};
  for (std::size_t i = 0; i < Parameters.size(); ++i) forms[i] = ParseShown(Parameters[i].shown);
  return forms;
}();

static_assert(std::none_of(ParameterForms.begin(), ParameterForms.end(),
                           [](const ShownForm& form) { return form.kind == ShownKind::Invalid; }),
              "every shown form of the parameter table must be one that ParseShown reads");

// Appends `number` in decimal.
void AppendInteger(std::string& out, int number);

// Appends how the instrument shows `value`. A value a list or the tone
// letters have no word for is shown as '?' and the number; Text and Unused
// append nothing.
void AppendShown(std::string& out, const ShownForm& form, std::uint8_t value);

}  // namespace orvanel
