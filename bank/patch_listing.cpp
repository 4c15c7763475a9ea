#include "bank/patch_listing.h"

#include <algorithm>

#include "bank/parameter_table.h"
#include "bank/shown_value.h"

namespace orvanel {
namespace {

// Two blanks before a group and after each column.
constexpr std::size_t Widest(std::string_view Parameter::*column) {
  std::size_t widest = 0;
  for (const Parameter& row : Parameters) widest = std::max(widest, (row.*column).size());
  return widest;
}
constexpr std::size_t GroupWidth = 2 + Widest(&Parameter::group) + 2;
constexpr std::size_t NameWidth = Widest(&Parameter::name) + 2;
constexpr std::size_t ValueWidth = 9;
constexpr char ToneLetter[ToneBlockCount] = {'A', 'B', 'C', 'D'};

void PadTo(std::string& out, std::size_t line_start, std::size_t column) {
  const std::size_t used = out.size() - line_start;
  out.append(used < column ? column - used : 1, ' ');
}

std::size_t BlockStart(ParameterBlock block, std::size_t tone) {
  return block == ParameterBlock::Common ? 0 : CommonBlockSize + tone * ToneBlockSize;
}

// The group's name on its first row only, then the parameter's name.
void StartTextRow(std::string& out, std::string_view& group, const Parameter& row) {
  const std::size_t start = out.size();
  out += "  ";
  if (row.group != group) out += row.group;
  group = row.group;
  PadTo(out, start, GroupWidth);
  out += row.name;
  PadTo(out, start, GroupWidth + NameWidth);
}

}  // namespace

void AppendPatchText(std::string& out, std::string_view where, const PatchImage& patch) {
  out += where;
  out += "  ";
  out += ShownPatchName(patch);
  out += '\n';
  std::string_view group;
  for (std::size_t i = 1; i < CommonParameters.size(); ++i) {
    if (ParameterForms[i].kind == ShownKind::Unused) continue;
    StartTextRow(out, group, Parameters[i]);
    AppendShown(out, ParameterForms[i], patch[Parameters[i].offset]);
    out += '\n';
  }
  const std::size_t start = out.size();
  for (std::size_t tone = 0; tone < ToneBlockCount; ++tone) {
    PadTo(out, start, GroupWidth + NameWidth + tone * ValueWidth);
    out += ToneLetter[tone];
  }
  out += '\n';
  for (std::size_t i = CommonParameters.size(); i < Parameters.size(); ++i) {
    const std::size_t row_start = out.size();
    StartTextRow(out, group, Parameters[i]);
    for (std::size_t tone = 0; tone < ToneBlockCount; ++tone) {
      if (tone != 0) PadTo(out, row_start, GroupWidth + NameWidth + tone * ValueWidth);
      AppendShown(out, ParameterForms[i], patch[BlockStart(ParameterBlock::Tone, tone) + Parameters[i].offset]);
    }
    out += '\n';
  }
}

void AppendPatchTsv(std::string& out, std::string_view where, const PatchImage& patch) {
  const auto row = [&](std::size_t i, std::size_t tone) {
    const Parameter& parameter = Parameters[i];
    const bool common = parameter.block == ParameterBlock::Common;
    out += where;
    out += common ? "\tcommon\t\t" : "\ttone\t";
    if (!common) {
      out += ToneLetter[tone];
      out += '\t';
    }
    AppendInteger(out, parameter.offset);
    out += '\t';
    out += parameter.name;
    out += '\t';
    if (ParameterForms[i].kind == ShownKind::Text) {
      out += '\t';
      out += ShownPatchName(patch);
    } else {
      const std::uint8_t value = patch[BlockStart(parameter.block, tone) + parameter.offset];
      AppendInteger(out, value);
      out += '\t';
      AppendShown(out, ParameterForms[i], value);
    }
    out += '\n';
  };
  for (std::size_t i = 0; i < CommonParameters.size(); ++i) row(i, 0);
  for (std::size_t tone = 0; tone < ToneBlockCount; ++tone) {
    for (std::size_t i = CommonParameters.size(); i < Parameters.size(); ++i) row(i, tone);
  }
}

}  // namespace orvanel
