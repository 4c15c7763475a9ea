// orvanel-bank through the built program: its files, output and exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "bank/sysex_writer.h"
#include "bank/version.h"
#include "bank_tool_run.h"
#include "runtime/random.h"
#include "smf_reader.h"

namespace orvanel {
namespace {

using testing::BankTool;
using testing::ToolRun;
using testing::Bytes;
using testing::Contains;
using testing::Dt1;
using testing::FileOf;
using testing::ReadBytes;
using testing::SeededBank;
using testing::WriteBytes;

TEST_F(BankTool, GenerateWithASeedMakesTheSameBankAgain) {
  const ToolRun first = Tool({"generate", Path("a.syx"), "--seed", "1234567"});
  const ToolRun second = Tool({"generate", "--seed", "1234567", Path("b.syx")});
  EXPECT_EQ(first.exit_code, 0);
  EXPECT_EQ(first.out, "seed 1234567\n");
  EXPECT_EQ(second.out, "seed 1234567\n");
  EXPECT_EQ(ReadBytes(Path("a.syx")).size(), SysexFileSize);
  EXPECT_EQ(ReadBytes(Path("a.syx")), ReadBytes(Path("b.syx")));
  EXPECT_EQ(ReadBytes(Path("a.syx")), FileOf(SeededBank(1234567), Path("core.syx")));  // what the window writes

  const ToolRun clocked = Tool({"generate", Path("c.syx")});
  ASSERT_TRUE(clocked.out.starts_with("seed "));
  const std::string seed = clocked.out.substr(5, clocked.out.size() - 6);
  EXPECT_EQ(Tool({"generate", Path("d.syx"), "--seed", seed}).exit_code, 0);
  EXPECT_EQ(ReadBytes(Path("c.syx")), ReadBytes(Path("d.syx")));
}

TEST_F(BankTool, GenerateReplacesAFileOnlyWithForce) {
  WriteBytes(Path("old.syx"), {1, 2, 3});
  const ToolRun refused = Tool({"generate", Path("old.syx"), "--seed", "5"});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_TRUE(Contains(refused.err, "--force")) << refused.err;
  EXPECT_EQ(ReadBytes(Path("old.syx")), (Bytes{1, 2, 3}));

  EXPECT_EQ(Tool({"generate", Path("old.syx"), "--seed", "5", "--force"}).exit_code, 0);
  EXPECT_EQ(ReadBytes(Path("old.syx")).size(), SysexFileSize);
}

TEST_F(BankTool, GenerateReportsFileErrorsInTheWindowsWords) {
  const ToolRun run = Tool({"generate", Path("missing/bank.syx"), "--seed", "1"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "orvanel-bank: " + Path("missing/bank.syx") + ": Invalid filename.\n");
  EXPECT_EQ(run.out, "");
}

// Paths travel as UTF-8 and reach the system whole, in any script.
TEST_F(BankTool, GenerateAndCheckTakeAPathInAnyScript) {
  const std::string folder_name = Path("音色 Ωμέγα");
  ASSERT_TRUE(std::filesystem::create_directory(testing::Utf8Path(folder_name)));
  const std::string bank = folder_name + "/bänk ✓.syx";
  const ToolRun generated = Tool({"generate", bank, "--seed", "8"});
  EXPECT_EQ(generated.exit_code, 0) << generated.err;
  EXPECT_EQ(ReadBytes(bank), FileOf(SeededBank(8), Path("core.syx")));
  const ToolRun checked = Tool({"check", "--rules", bank});
  EXPECT_EQ(checked.exit_code, 0) << checked.err;
  EXPECT_TRUE(checked.out.starts_with(bank + ": 96 JD-800 DT1 messages")) << checked.out;
}

TEST_F(BankTool, CheckPassesEveryBankGenerateWrites) {
  for (const char* seed : {"0", "1", "99", "18446744073709551615"}) {
    SCOPED_TRACE(seed);
    ASSERT_EQ(Tool({"generate", Path("bank.syx"), "--seed", seed, "--force"}).exit_code, 0);
    const ToolRun run = Tool({"check", "--rules", Path("bank.syx")});
    EXPECT_EQ(run.exit_code, 0) << run.out;
    EXPECT_TRUE(Contains(run.out, ": 96 JD-800 DT1 messages, device ID 10\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, ": covers 05 00 00 - 06 3F 7F (24576 bytes)\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\n  I11  www.orvanel.org \n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\n  I88  www.orvanel.org \n")) << run.out;
    EXPECT_TRUE(run.out.ends_with(": sound\n")) << run.out;
  }
}

TEST_F(BankTool, CheckNamesTheMessageAndOffsetOfEachFault) {
  const Bank bank = SeededBank(7);
  const Bytes sound = FileOf(bank, Path("sound.syx"));
  constexpr std::size_t B = SysexBlockSize;
  struct Case {
    const char* name;
    std::function<Bytes()> file;
    std::vector<std::string> lines;  // each must appear in the report
  };
  const Case cases[] = {
      {"bad checksum",
       [&] {
         Bytes file = sound;
         file[3 * B + 264] ^= 0x01;
         return file;
       },
       {"message 4, offset 1062: checksum "}},
      {"truncated last message",
       [&] { return Bytes(sound.begin(), sound.end() - 1); },
       {"message 96, offset 25270: ends without F7 at the end of the file"}},
      {"a missing message",
       [&] {
         Bytes file = sound;
         file.erase(file.begin() + 10 * B, file.begin() + 11 * B);
         return file;
       },
       {"message 11, offset 2668: no data for 05 14 00 - 05 15 7F"}},
      {"a wrong address",
       [&] {
         Bytes file = sound;
         file[5 * B + 6] = 0x0C;  // block 5 sent to block 6's address
         return file;
       },
       {"message 6, offset 1594: checksum ", "message 7, offset 1604: writes 05 0C 00 - 05 0D 7F again, "
                                             "after message 6 at offset 1338"}},
      {"a data byte 0x80",
       [&] {
         Bytes file = sound;
         file[2 * B + 8 + 5] = 0x80;
         return file;
       },
       {"message 3, offset 545: byte 80 is not 7-bit data"}},
      {"another model's message mixed in",
       [&] {
         Bytes file = sound;
         const Bytes other = {0xF0, 0x41, 0x10, 0x16, 0x12, 0x10, 0x00, 0x00, 0x01, 0x6F, 0xF7};
         file.insert(file.begin() + B, other.begin(), other.end());
         return file;
       },
       {"message 2, offset 266: model 16 is not the JD-800 (3D): skipped"}},
      {"a byte outside its rule",
       [&] {
         Bank broken = bank;
         broken[384 + 25] = 49;  // patch I12, byte 25: random 0..48
         return FileOf(broken, Path("broken.syx"));
       },
       {"message 2, offset 427: patch I12 byte 25 is 49, above its maximum 48"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(Path("case.syx"), c.file());
    const ToolRun run = Tool({"check", "--rules", Path("case.syx")});
    EXPECT_EQ(run.exit_code, 1);
    for (const std::string& line : c.lines) EXPECT_TRUE(Contains(run.out, Path("case.syx") + ": " + line)) << run.out;
  }
}

TEST_F(BankTool, CheckRebuildsABankFromMessagesOfAnySize) {
  const Bank bank = SeededBank(11);
  const std::size_t sizes[] = {100, 7, 300, 1, 128};
  Bytes file;
  for (std::size_t i = 0, at = 0; at < BankSize; ++i) {
    const std::size_t size = std::min(sizes[i % 5], BankSize - at);
    const Bytes message = Dt1(0x14000 + static_cast<std::uint32_t>(at), bank.data() + at, size);
    file.insert(file.end(), message.begin(), message.end());
    at += size;
  }
  WriteBytes(Path("resized.syx"), file);

  const ToolRun run = Tool({"check", "--rules", Path("resized.syx")});
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_TRUE(Contains(run.out, ": the whole internal bank, 05 00 00 - 06 3F 7F:\n")) << run.out;
  EXPECT_TRUE(run.out.ends_with(": sound\n")) << run.out;
}

TEST_F(BankTool, CheckEndsWithAClearWordOnAnyInput) {
  Bytes random(5000);
  RandSeed(3);
  for (std::uint8_t& byte : random) byte = static_cast<std::uint8_t>(Random(256));
  struct Case {
    const char* name;
    Bytes file;
    std::string says;
  };
  const Case cases[] = {
      {"empty", {}, "offset 0: the file is empty"},
      {"one byte", {0xF0}, "message 1, offset 0: ends without F7 at the end of the file"},
      {"two bytes", {0x41, 0x10}, "offset 0: bytes outside any message, from 41 on"},
      {"three bytes", {0xF0, 0x41, 0xF7}, "message 1, offset 0: ends at offset 2 inside its header"},
      {"F0 with no F7", {0xF0, 0x41, 0x10, 0x3D, 0x12, 0x05, 0x00, 0x00, 0x01}, "ends without F7 at the end"},
      {"F0 inside a message", {0xF0, 0x41, 0x10, 0xF0, 0x43, 0xF7},
       "message 1, offset 0: ends without F7: a new message starts at offset 3"},
      {"random bytes", random, " faults\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(Path("input.syx"), c.file);
    const ToolRun run = Tool({"check", Path("input.syx")});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_TRUE(Contains(run.out, c.says)) << run.out;
  }

  // A huge file is read only as far as a sound file could reach.
  const std::string huge = Path("huge.syx");
  WriteBytes(huge, {});
  std::filesystem::resize_file(testing::Utf8Path(huge), 1ULL << 30U);
  const ToolRun run = Tool({"check", huge});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.out, "more than a sound JD-800 file can hold: not read further")) << run.out;
}

TEST_F(BankTool, UsageErrorsAndUnreadableFilesExit2) {
  struct Case {
    std::vector<std::string> arguments;
    int exit_code;
  };
  const Case cases[] = {
      {{}, 2},
      {{"frobnicate"}, 2},
      {{"generate"}, 2},
      {{"generate", "x.syx", "--seed"}, 2},
      {{"generate", "x.syx", "--seed", "-1"}, 2},
      {{"generate", "x.syx", "--seed", "12abc"}, 2},
      {{"generate", "x.syx", "y.syx"}, 2},
      {{"check"}, 2},
      {{"check", "--strict", "x.syx"}, 2},
      {{"check", Path("no-such-file.syx")}, 2},
      {{"check", folder.Path().string()}, 2},
      {{"--help"}, 0},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.exit_code, c.exit_code) << ::testing::PrintToString(c.arguments) << run.err;
    if (c.exit_code == 2) {
      EXPECT_TRUE(run.err.starts_with("orvanel-bank: ") || run.err.starts_with("usage: ")) << run.err;
    }
  }
  EXPECT_EQ(Tool({"--version"}).out, "orvanel-bank " + std::string(VersionText) + "\n");
}

TEST_F(BankTool, ExportWritesAStandardMidiFileTimedAsSendTimesIt) {
  const Bytes bank = FileOf(SeededBank(21), Path("bank.syx"));
  struct Case {
    std::vector<std::string> interval;
    long long gap_us;  // between two messages of 266 bytes: the wire's 85.12 ms and the interval
    std::string says;
  };
  for (const Case& c : {Case{{}, 135'120, "96 SysEx events over 13.0 s"},
                        Case{{"--interval", "0"}, 85'120, "96 SysEx events over 8.2 s"},
                        Case{{"--interval", "1000"}, 1'085'120, "96 SysEx events over 104.2 s"}}) {
    SCOPED_TRACE(c.says);
    std::vector<std::string> arguments = {"export", Path("bank.syx"), Path("bank.mid"), "--force"};
    arguments.insert(arguments.end(), c.interval.begin(), c.interval.end());
    const ToolRun run = Tool(arguments);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, Path("bank.mid") + ": " + c.says + "\n");

    const testing::Smf smf = testing::SmfReader(ReadBytes(Path("bank.mid"))).Read();
    EXPECT_EQ(smf.format, 0U);
    ASSERT_EQ(smf.tracks.size(), 1U);
    const std::vector<testing::SmfEvent>& events = smf.tracks[0];
    ASSERT_EQ(events.size(), 1U + 96U + 1U);  // the tempo, the messages, the end
    EXPECT_EQ(events[0].data, (Bytes{0x07, 0xA1, 0x20}));  // 120 a minute: with 500 a beat, a tick is 1 ms
    EXPECT_EQ(smf.ticks_per_beat, 500U);
    for (std::size_t k = 0; k < 96; ++k) {
      const testing::SmfEvent& event = events[1 + k];
      EXPECT_EQ(event.status, 0xF0);
      EXPECT_TRUE(std::equal(event.data.begin(), event.data.end(), bank.begin() + 266 * k + 1,
                             bank.begin() + 266 * (k + 1)));
      EXPECT_EQ(event.tick, static_cast<std::uint64_t>((c.gap_us * k + 999) / 1000)) << k;
    }
    EXPECT_EQ(events.back().tick, static_cast<std::uint64_t>((c.gap_us * 96 + 999) / 1000));
  }

  WriteBytes(Path("kept.mid"), {1});
  const ToolRun kept = Tool({"export", Path("bank.syx"), Path("kept.mid")});
  EXPECT_EQ(kept.exit_code, 1);
  EXPECT_EQ(kept.err, "orvanel-bank: " + Path("kept.mid") + ": exists; add --force to replace it\n");
  EXPECT_EQ(ReadBytes(Path("kept.mid")), Bytes{1});

  Bytes faulty = bank;
  faulty[100] = 0x80;
  WriteBytes(Path("faulty.syx"), faulty);
  const ToolRun refused = Tool({"export", Path("faulty.syx"), Path("faulty.mid")});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_TRUE(Contains(refused.err, "message 1, offset 100: byte 80 is not 7-bit data")) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(Path("faulty.mid")));
  EXPECT_EQ(Tool({"export", Path("bank.syx")}).exit_code, 2);
  EXPECT_EQ(Tool({"export", Path("bank.syx"), Path("x.mid"), "--interval", "-5"}).exit_code, 2);
}

#ifdef _WIN32
TEST_F(BankTool, MidiCommandsSayTheyAreNotInTheWindowsBuild) {
  for (const char* command : {"ports", "send", "audition", "receive"}) {
    const ToolRun run = Tool({command, Path("bank.syx")});
    EXPECT_EQ(run.exit_code, 2) << command;
    EXPECT_EQ(run.err, "orvanel-bank: " + std::string(command) + ": MIDI is not in the Windows build\n");
    EXPECT_EQ(run.out, "");
  }
}
#endif

}  // namespace
}  // namespace orvanel
