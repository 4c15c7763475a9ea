// orvanel-bank's variations, keepers and listings through the built program.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "bank/patch_image.h"
#include "bank/patch_locks.h"
#include "bank/patch_number.h"
#include "bank/sysex_check.h"
#include "bank/sysex_format.h"
#include "bank_tool_run.h"

namespace orvanel {
namespace {

using testing::BankTool;
using testing::Bytes;
using testing::Contains;
using testing::Dt1;
using testing::FileOf;
using testing::ReadBytes;
using testing::SeededBank;
using testing::ToolRun;
using testing::WriteBytes;

// The instrument's memory as a file leaves it.
class Memory {
 public:
  explicit Memory(const Bytes& file) : check_(false) {
    check_.Feed(file);
    check_.Finish();
  }
  PatchImage At(std::uint32_t address) const { return PatchAt(check_.Memory(), address); }
  PatchImage Slot(std::size_t slot) const { return At(SlotAddress(slot)); }
  const SysexCheck& Check() const { return check_; }

 private:
  SysexCheck check_;
};

PatchImage SlotOf(const Bank& bank, std::size_t slot) {
  PatchImage patch;
  std::copy_n(bank.begin() + static_cast<std::ptrdiff_t>(slot * PatchSize), PatchSize, patch.begin());
  return patch;
}

Bytes Concatenated(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// One patch's messages as the instrument takes them: 256 bytes, then 128.
Bytes PatchMessages(std::uint32_t address, const PatchImage& patch) {
  return Concatenated({Dt1(address, patch.data(), 256), Dt1(address + 256, patch.data() + 256, 128)});
}

class PatchTool : public BankTool {
 protected:
  void SetUp() override {
    bank = SeededBank(31);
    FileOf(bank, Path("bank.syx"));
  }
  Bank bank;
};

TEST_F(PatchTool, VariationsOfAPatchStartWithItAndRepeatWithTheirSeed) {
  const ToolRun run = Tool({"generate", Path("v.syx"), "--from", Path("bank.syx") + ":I23", "--amount", "30",
                            "--seed", "9"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, "seed 9\n");
  EXPECT_EQ(run.err, "");
  const Bytes file = ReadBytes(Path("v.syx"));
  ASSERT_EQ(file.size(), SysexFileSize);
  const Memory varied(file);
  const PatchImage parent = SlotOf(bank, 10);  // I23
  EXPECT_EQ(varied.Slot(0), parent);
  for (std::size_t slot = 1; slot < PatchCount; ++slot) EXPECT_NE(varied.Slot(slot), parent) << slot;

  EXPECT_EQ(Tool({"generate", Path("again.syx"), "--seed", "9", "--amount", "30%", "--from",
                  Path("bank.syx") + ":i23"}).exit_code, 0);
  EXPECT_EQ(ReadBytes(Path("again.syx")), file);
  EXPECT_EQ(Tool({"generate", Path("other.syx"), "--from", Path("bank.syx") + ":I23", "--amount", "30", "--seed",
                  "10"}).exit_code, 0);
  EXPECT_NE(ReadBytes(Path("other.syx")), file);

  const ToolRun check = Tool({"check", "--rules", Path("v.syx")});
  EXPECT_EQ(check.exit_code, 0) << check.out;
}

TEST_F(PatchTool, VariationsOfABankCopyAtZeroAndDrawAsGenerateAtHundred) {
  ASSERT_EQ(Tool({"generate", Path("copy.syx"), "--from", Path("bank.syx"), "--amount", "0"}).exit_code, 0);
  EXPECT_EQ(ReadBytes(Path("copy.syx")), ReadBytes(Path("bank.syx")));

  ASSERT_EQ(Tool({"generate", Path("fresh.syx"), "--from", Path("bank.syx"), "--amount", "100", "--seed", "5"}).exit_code,
            0);
  ASSERT_EQ(Tool({"generate", Path("plain.syx"), "--seed", "5"}).exit_code, 0);
  EXPECT_EQ(ReadBytes(Path("fresh.syx")), ReadBytes(Path("plain.syx")));
}

TEST_F(PatchTool, KeepHoldsGroupsAndTones) {
  ASSERT_EQ(Tool({"generate", Path("v.syx"), "--from", Path("bank.syx"), "--amount", "100", "--keep", "tvf,effects",
                  "--keep", "b"}).exit_code,
            0);
  const PatchLocks locks = *LockedBytes("tvf") | *LockedBytes("effects") | *LockedBytes("B");
  const Memory varied(ReadBytes(Path("v.syx")));
  std::size_t moved = 0;
  for (std::size_t slot = 0; slot < PatchCount; ++slot) {
    const PatchImage child = varied.Slot(slot);
    const PatchImage parent = SlotOf(bank, slot);
    for (std::size_t i = 0; i < PatchSize; ++i) {
      if (locks.test(i)) {
        ASSERT_EQ(child[i], parent[i]) << PatchNumber(slot) << " byte " << i;
      } else {
        moved += child[i] != parent[i] ? 1 : 0;
      }
    }
  }
  EXPECT_GT(moved, PatchCount * 100);
}

TEST_F(PatchTool, ASourceFromElsewhereIsBroughtWithinTheRules) {
  Bank foreign = bank;
  foreign[5 * PatchSize + 16] = 90;  // I16, Patch Level: fixed 100
  foreign[5 * PatchSize + 25] = 60;  // Bender Range Down: at most 48
  FileOf(foreign, Path("foreign.syx"));
  const ToolRun run = Tool({"generate", Path("v.syx"), "--from", Path("foreign.syx") + ":I16", "--amount", "0"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "orvanel-bank: " + Path("foreign.syx") + ":I16: 2 bytes outside Orvanel's rules, brought "
                     "within them\n");
  const PatchImage copy = Memory(ReadBytes(Path("v.syx"))).Slot(63);
  EXPECT_EQ(copy[16], 100);
  EXPECT_EQ(copy[25], 48);
  EXPECT_EQ(Tool({"check", "--rules", Path("v.syx")}).exit_code, 0);

  // extract and merge carry a patch byte for byte; check --rules tells.
  ASSERT_EQ(Tool({"extract", Path("foreign.syx"), "I16", Path("one.syx")}).exit_code, 0);
  ASSERT_EQ(Tool({"merge", Path("keepers.syx"), Path("foreign.syx") + ":I16", "--at", "I12"}).exit_code, 0);
  const ToolRun check = Tool({"check", "--rules", Path("one.syx"), Path("keepers.syx")});
  EXPECT_EQ(check.exit_code, 1);
  for (const std::string line : {"one.syx: message 1, offset 24: the temporary patch byte 16 is 90, not its fixed 100",
                                 "one.syx: message 1, offset 33: the temporary patch byte 25 is 60, above its maximum 48",
                                 "keepers.syx: message 1, offset 24: patch I12 byte 16 is 90, not its fixed 100"}) {
    EXPECT_TRUE(Contains(check.out, line)) << check.out;
  }
}

TEST_F(PatchTool, ExtractWritesTheTemporaryPatchOrASlot) {
  const ToolRun run = Tool({"extract", Path("bank.syx"), "I23", Path("t.syx")});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, "temporary  www.orvanel.org   from " + Path("bank.syx") + ":I23\n");
  EXPECT_EQ(ReadBytes(Path("t.syx")), PatchMessages(0, SlotOf(bank, 10)));

  EXPECT_EQ(Tool({"extract", Path("bank.syx"), "I23", Path("s.syx"), "--to", "I88"}).exit_code, 0);
  EXPECT_EQ(ReadBytes(Path("s.syx")), PatchMessages(0x14000 + 63 * 384, SlotOf(bank, 10)));

  const ToolRun check = Tool({"check", "--rules", Path("t.syx"), Path("s.syx")});
  EXPECT_EQ(check.exit_code, 0) << check.out;
  EXPECT_TRUE(Contains(check.out, Path("t.syx") + ": whole patches:\n  temporary  www.orvanel.org \n")) << check.out;
  EXPECT_TRUE(Contains(check.out, Path("s.syx") + ": whole patches:\n  I88  www.orvanel.org \n")) << check.out;
}

TEST_F(PatchTool, ExtractThenMergeGivesTheBankBack) {
  std::vector<std::string> merge = {"merge", Path("merged.syx")};
  for (std::size_t slot = 0; slot < PatchCount; ++slot) {
    const std::string one = Path(PatchNumber(slot) + ".syx");
    ASSERT_EQ(Tool({"extract", Path("bank.syx"), PatchNumber(slot), one}).exit_code, 0);
    merge.push_back(one);
  }
  const ToolRun run = Tool(merge);
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("I11  www.orvanel.org   from " + Path("I11.syx") + "\n")) << run.out;
  EXPECT_TRUE(run.out.ends_with("I88  www.orvanel.org   from " + Path("I88.syx") + "\n")) << run.out;
  // In 256-byte messages from 05 00 00, the bank's memory image is its file.
  EXPECT_EQ(ReadBytes(Path("merged.syx")), ReadBytes(Path("bank.syx")));
}

TEST_F(PatchTool, MergeAtWritesOnlyTheSlotsItNames) {
  ASSERT_EQ(Tool({"extract", Path("bank.syx"), "I11", Path("one.syx")}).exit_code, 0);
  const ToolRun run = Tool({"merge", Path("keepers.syx"), Path("bank.syx") + ":I45", Path("one.syx"), "--at", "I87"});
  EXPECT_EQ(run.exit_code, 0) << run.err;

  const Memory keepers(ReadBytes(Path("keepers.syx")));
  const auto& ranges = keepers.Check().Ranges();
  ASSERT_EQ(ranges.size(), 1U);
  EXPECT_EQ(ranges[0].first, SlotAddress(62));
  EXPECT_EQ(ranges[0].last, SlotAddress(64) - 1);
  EXPECT_EQ(keepers.Slot(62), SlotOf(bank, 28));  // I45
  EXPECT_EQ(keepers.Slot(63), SlotOf(bank, 0));

  const ToolRun check = Tool({"check", Path("keepers.syx")});
  EXPECT_EQ(check.exit_code, 0) << check.out;
  EXPECT_TRUE(Contains(check.out, ": whole patches:\n  I87  www.orvanel.org \n  I88  www.orvanel.org \n" +
                                      Path("keepers.syx") + ": sound\n"))
      << check.out;
}

TEST_F(PatchTool, ExtractAndMergeReplaceAFileOnlyWithForce) {
  WriteBytes(Path("old.syx"), {1, 2, 3});
  const std::vector<std::vector<std::string>> commands = {
      {"extract", Path("bank.syx"), "I11", Path("old.syx")},
      {"merge", Path("old.syx"), Path("bank.syx") + ":I11"},
  };
  for (std::vector<std::string> command : commands) {
    const ToolRun refused = Tool(command);
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_EQ(refused.err, "orvanel-bank: " + Path("old.syx") + ": exists; add --force to replace it\n");
    EXPECT_EQ(ReadBytes(Path("old.syx")), (Bytes{1, 2, 3}));
    command.push_back("--force");
    EXPECT_EQ(Tool(command).exit_code, 0);
    EXPECT_EQ(ReadBytes(Path("old.syx")).size(), 2 * 10 + PatchSize);
    WriteBytes(Path("old.syx"), {1, 2, 3});
  }
}

// One patch with known values: every way the instrument shows a value, a
// value a list has no word for, and a control character in the name.
struct ShownCase {
  const char* block;
  const char* tone;
  std::size_t offset;
  std::uint8_t value;
  const char* parameter;
  const char* shown;
};
constexpr ShownCase FixtureValues[] = {
    {"common", "", 16, 100, "Patch Level", "100"},
    {"common", "", 17, 60, "Key Range Low A", "C4"},
    {"common", "", 18, 127, "Key Range High A", "G9"},
    {"common", "", 28, 1, "Solo Switch", "ON"},
    {"common", "", 29, 2, "Solo Legato", "?2"},
    {"common", "", 33, 5, "Layer Tone", "A-C-"},
    {"common", "", 34, 15, "Active Tone", "ABCD"},
    {"common", "", 35, 1, "EQ Low Freq", "400 Hz"},
    {"common", "", 36, 0, "EQ Low Gain", "-15"},
    {"common", "", 43, 85, "MIDI Tx Split Point", "C#8"},
    {"common", "", 44, 15, "MIDI Tx Lower Channel", "16"},
    {"common", "", 64, 4, "Phaser Rate", "0.5 Hz"},
    {"common", "", 84, 99, "Chorus Rate", "10.0 Hz"},
    {"common", "", 87, 49, "Chorus Feedback", "0 %"},
    {"common", "", 95, 0, "(unused)", ""},
    {"tone", "A", 0, 3, "Velocity Curve", "4"},
    {"tone", "B", 5, 3, "LFO1 Waveform", "S&H"},
    {"tone", "C", 6, 2, "LFO1 Offset", "-"},
    {"tone", "D", 17, 48, "WG Pitch Coarse", "0"},
    {"tone", "B", 55, 2, "TVA Bias Direction", "UP&LOW"},
    {"tone", "A", 56, 0, "TVA Bias Point", "C-1"},
    {"tone", "D", 29, 0, "Pitch Env Time KF", "-10"},
};

PatchImage FixturePatch() {
  PatchImage patch{};
  const std::string name = "Fixture\x01name    ";
  std::copy(name.begin(), name.end(), patch.begin());
  for (const ShownCase& c : FixtureValues) {
    const std::size_t tone = c.tone[0] == 0 ? 0 : 1 + static_cast<std::size_t>(c.tone[0] - 'A');
    patch[(tone == 0 ? 0 : CommonBlockSize + (tone - 1) * ToneBlockSize) + c.offset] = c.value;
  }
  return patch;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(PatchTool, ShowGivesEveryParameterAsTheInstrumentShowsIt) {
  WriteBytes(Path("fixture.syx"), PatchMessages(0, FixturePatch()));

  const ToolRun tsv = Tool({"show", Path("fixture.syx"), "--format", "tsv"});
  ASSERT_EQ(tsv.exit_code, 0) << tsv.err;
  const std::vector<std::string> rows = Lines(tsv.out);
  ASSERT_EQ(rows.size(), 1 + 81 + 4 * 72U);
  EXPECT_EQ(rows[0], "patch\tblock\ttone\toffset\tparameter\tvalue\tshown");
  EXPECT_EQ(rows[1], "temporary\tcommon\t\t0\tPatch Name (bytes 0-15)\t\tFixture.name    ");
  EXPECT_EQ(rows[82], "temporary\ttone\tA\t0\tVelocity Curve\t3\t4");
  for (const ShownCase& c : FixtureValues) {
    const std::string row = std::string("temporary\t") + c.block + "\t" + c.tone + "\t" + std::to_string(c.offset) +
                            "\t" + c.parameter + "\t" + std::to_string(c.value) + "\t" + c.shown;
    EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row;
  }

  const ToolRun text = Tool({"show", Path("fixture.syx")});
  ASSERT_EQ(text.exit_code, 0) << text.err;
  const std::vector<std::string> lines = Lines(text.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "temporary  Fixture.name    ");
  EXPECT_FALSE(Contains(text.out, "(unused)"));
  EXPECT_TRUE(std::regex_search(text.out, std::regex("\n {30,}A +B +C +D\n  control +Velocity Curve +4 +1 +1 +1\n")))
      << text.out;
  // Each value stands after its parameter's name, tone A's first.
  for (const ShownCase& c : FixtureValues) {
    if (c.shown[0] == 0) continue;
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
      return Contains(l, std::string(" ") + c.parameter + "  ");
    });
    ASSERT_NE(line, lines.end()) << c.parameter;
    const std::size_t column = c.tone[0] == 0 ? 0 : static_cast<std::size_t>(c.tone[0] - 'A');
    std::string value = line->substr(line->find(c.parameter) + std::string(c.parameter).size());
    for (std::size_t i = 0; i <= column; ++i) {
      value.erase(0, value.find_first_not_of(' '));
      if (i < column) value.erase(0, value.find("  "));
    }
    EXPECT_TRUE(value.starts_with(c.shown)) << *line;
  }
}

TEST_F(PatchTool, ShowListsEveryPatchOfABankOrTheOneNamed) {
  const ToolRun all = Tool({"show", Path("bank.syx"), "--format", "tsv"});
  EXPECT_EQ(all.exit_code, 0);
  EXPECT_EQ(Lines(all.out).size(), 1 + PatchCount * (81 + 4 * 72));
  EXPECT_TRUE(Contains(all.out, "\nI88\ttone\tD\t71\tTVA Env Time 4\t")) << all.out.substr(all.out.size() - 200);

  const ToolRun one = Tool({"show", Path("bank.syx"), "I45"});
  EXPECT_EQ(one.exit_code, 0);
  EXPECT_TRUE(one.out.starts_with("I45  www.orvanel.org \n  patch ")) << one.out;
  EXPECT_EQ(Lines(one.out).size(), 1 + 78 + 1 + 72U);  // without the name and the two unused bytes
}

TEST_F(PatchTool, BadInputSaysWhyExits2AndLeavesNoFile) {
  WriteBytes(Path("partial.syx"), Dt1(0x14000, SlotOf(bank, 0).data(), 200));
  Bytes broken = ReadBytes(Path("bank.syx"));
  broken[264] ^= 1;  // the first checksum
  WriteBytes(Path("broken.syx"), broken);
  ASSERT_EQ(Tool({"merge", Path("two.syx"), Path("bank.syx") + ":I11", Path("bank.syx") + ":I12"}).exit_code, 0);
  const std::string bank_file = Path("bank.syx");
  const std::string out = Path("out.syx");
  std::vector<std::string> sixty_five = {"merge", out};
  for (int i = 0; i < 65; ++i) sixty_five.push_back(bank_file + ":I11");

  struct Case {
    std::vector<std::string> arguments;
    std::string says;
  };
  const std::string no_patch = "is no internal patch: name one from I11 to I88\n";
  const std::string locks = "the locks are name, patch, eq, midi-tx, effects, control, lfo, wg, pitch-env, tvf, "
                            "tva, A, B, C, D\n";
  const std::string amount = "--amount takes a whole number of percent from 0 to 100\n";
  const Case cases[] = {
      {{"generate", out, "--from", bank_file + ":I19", "--amount", "10"}, "'I19' " + no_patch},
      {{"generate", out, "--from", bank_file + ":I91", "--amount", "10"}, "'I91' " + no_patch},
      {{"generate", out, "--from", bank_file + ":", "--amount", "10"}, "'' " + no_patch},
      {{"extract", bank_file, "I90", out}, "'I90' " + no_patch},
      {{"extract", bank_file, "I11", out, "--to", "I09"}, "--to: 'I09' " + no_patch},
      {{"merge", out, bank_file + ":I00"}, "'I00' " + no_patch},
      {{"merge", out, bank_file + ":I11", "--at", "J11"}, "--at: 'J11' " + no_patch},
      {{"show", bank_file, "I89"}, "'I89' " + no_patch},
      {{"generate", out, "--from", Path("partial.syx"), "--amount", "10"}, "partial.syx: holds no whole patch\n"},
      {{"extract", Path("partial.syx"), "I11", out}, "partial.syx: holds no whole patch\n"},
      {{"merge", out, Path("partial.syx")}, "partial.syx: holds no whole patch\n"},
      {{"show", Path("partial.syx")}, "partial.syx: holds no whole patch\n"},
      {{"generate", out, "--from", Path("missing.syx"), "--amount", "10"}, "missing.syx: cannot read: "},
      {{"extract", Path("broken.syx"), "I11", out}, "broken.syx: not a sound JD-800 file (1 fault; orvanel-bank "
                                                    "check names them)\n"},
      {{"extract", Path("two.syx"), "I13", out}, "two.syx: no whole patch I13 in it (it holds I11, I12)\n"},
      {{"merge", out, Path("two.syx")}, "two.syx: holds 2 patches (I11, I12): name one as " + Path("two.syx") +
                                            ":PATCH\n"},
      {{"generate", out, "--from", Path("two.syx"), "--amount", "10"}, "but not a whole bank: name one as "},
      {{"generate", out, "--from", bank_file, "--amount", "10", "--keep", "tvf,tfv"},
       "--keep: no lock is called 'tfv'; " + locks},
      {{"generate", out, "--from", bank_file, "--amount", "10", "--keep", "E"}, "no lock is called 'E'; " + locks},
      {{"generate", out, "--from", bank_file, "--amount", "101"}, amount},
      {{"generate", out, "--from", bank_file, "--amount", "-1"}, amount},
      {{"generate", out, "--from", bank_file, "--amount", "2.5"}, amount},
      {{"generate", out, "--from", bank_file, "--amount"}, amount},
      {{"generate", out, "--from", bank_file}, "generate --from needs --amount PERCENT\n"},
      {{"generate", out, "--amount", "10"}, "--amount and --keep vary a patch: name it with --from\n"},
      {{"merge", out, bank_file + ":I11", bank_file + ":I12", "--at", "I88"},
       "merge: 2 patches do not fit from I88 to I88, which is 1 slot\n"},
      {sixty_five, "merge: 65 patches do not fit from I11 to I88, which are 64 slots\n"},
      {{"merge", out}, "merge takes OUT and at least one SOURCE\n"},
      {{"extract", bank_file, "I11"}, "extract takes FILE PATCH OUT\n"},
      {{"show", bank_file, "--format", "xml"}, "--format takes text or tsv\n"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.exit_code, 2) << ::testing::PrintToString(c.arguments);
    EXPECT_TRUE(run.err.starts_with("orvanel-bank: ") && Contains(run.err, c.says))
        << ::testing::PrintToString(c.arguments) << "\n" << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(out)) << ::testing::PrintToString(c.arguments);
  }
}

}  // namespace
}  // namespace orvanel
