#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bank/parameter_table.h"
#include "bank/patch_rules.h"
#include "bank/shown_value.h"

namespace orvanel {
namespace {

std::vector<std::vector<std::string>> ReadTsv(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::istringstream fields_in(line);
    for (std::string field; std::getline(fields_in, field, '\t');) fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

// docs/jd800-parameters.tsv lists the instrument's patch parameters as its
// documented SysEx format lays them out; the code's table is that list.
TEST(ParameterTable, IsTheInstrumentsListRowByRow) {
  const auto tsv = ReadTsv(ORVANEL_PARAMETER_LIST);
  ASSERT_FALSE(tsv.empty());
  EXPECT_EQ(tsv.front(), (std::vector<std::string>{"block", "offset", "group", "parameter", "shown"}));
  ASSERT_EQ(tsv.size(), Parameters.size() + 1);
  for (std::size_t i = 0; i < Parameters.size(); ++i) {
    const Parameter& row = Parameters[i];
    const std::vector<std::string> code = {row.block == ParameterBlock::Common ? "common" : "tone",
                                           std::to_string(row.offset), std::string(row.group),
                                           std::string(row.name), std::string(row.shown)};
    EXPECT_EQ(tsv[i + 1], code) << "row " << i + 2 << " of the list";
  }
}

// A byte the instrument ignores, and the name, are the rule tables' fixed 0
// and name bytes.
TEST(ParameterTable, AgreesWithTheRuleTables) {
  for (std::size_t i = 0; i < CommonParameters.size(); ++i) {
    const auto [kind, value] = PatchByteRules[Parameters[i].offset];
    if (ParameterForms[i].kind == ShownKind::Text) {
      EXPECT_EQ(kind, RuleKind::Name);
    }
    if (ParameterForms[i].kind == ShownKind::Unused) {
      EXPECT_TRUE(kind == RuleKind::Fixed && value == 0) << Parameters[i].name;
    }
  }
}

TEST(ParseShown, RefusesFormsItCannotShow) {
  for (const std::string_view form : {"", "w", "v+", "2v-98 ", "v+1-2", "note(2v)", "note(v) Hz", "OFF//ON", "/ON",
                                      "tones"}) {
    EXPECT_EQ(ParseShown(form).kind, ShownKind::Invalid) << form;
  }
}

}  // namespace
}  // namespace orvanel
