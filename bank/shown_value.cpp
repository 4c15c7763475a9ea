#include "bank/shown_value.h"

#include <charconv>

namespace orvanel {
namespace {

void AppendUnknown(std::string& out, std::uint8_t value) {
  out += '?';
  AppendInteger(out, value);
}

void AppendNumber(std::string& out, const ShownForm& form, std::uint8_t value) {
  const int number = form.base + form.scale * value;
  if (form.decimals == 0) {
    AppendInteger(out, number);
  } else {
    int unit = 1;
    for (int i = 0; i < form.decimals; ++i) unit *= 10;
    const int magnitude = number < 0 ? -number : number;
    if (number < 0) out += '-';
    AppendInteger(out, magnitude / unit);
    out += '.';
    for (int digit = unit / 10; digit > 0; digit /= 10) out += static_cast<char>('0' + magnitude / digit % 10);
  }
  if (!form.unit.empty()) {
    out += ' ';
    out += form.unit;
  }
}

void AppendNote(std::string& out, int note) {
  static constexpr std::string_view Names[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  out += Names[note % 12];
  AppendInteger(out, note / 12 - 1);
}

void AppendListItem(std::string& out, std::string_view items, std::uint8_t value) {
  for (unsigned index = 0;; ++index) {
    const std::size_t slash = items.find('/');
    if (index == value) {
      out += items.substr(0, slash);
      return;
    }
    if (slash == std::string_view::npos) break;
    items.remove_prefix(slash + 1);
  }
  AppendUnknown(out, value);
}

void AppendToneLetters(std::string& out, std::uint8_t value) {
  if (value > 15) return AppendUnknown(out, value);
  for (unsigned tone = 0; tone < ToneBlockCount; ++tone) {
    out += (value >> tone & 1U) != 0 ? static_cast<char>('A' + tone) : '-';
  }
}

}  // namespace

void AppendInteger(std::string& out, int number) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  out.append(digits, end);
}

void AppendShown(std::string& out, const ShownForm& form, std::uint8_t value) {
  switch (form.kind) {
    case ShownKind::Number:
      return AppendNumber(out, form, value);
    case ShownKind::Note:
      return AppendNote(out, form.base + value);
    case ShownKind::List:
      return AppendListItem(out, form.items, value);
    case ShownKind::Tones:
      return AppendToneLetters(out, value);
    case ShownKind::Invalid:
    case ShownKind::Text:
    case ShownKind::Unused:
      return;
  }
}

}  // namespace orvanel
