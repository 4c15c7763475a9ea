// The MIDI logic that needs no MIDI system: the pace of the wire, a file as
// its messages, the device ID, Standard MIDI Files, a dump as it arrives, and
// the port a user means.
#include <gtest/gtest.h>

#include <algorithm>

#include "bank/dt1_message.h"
#include "bank/generate_command.h"
#include "bank/sysex_check.h"
#include "midi/pacing.h"
#include "midi/port_choice.h"
#include "midi/received_dump.h"
#include "midi/standard_midi_file.h"
#include "midi/sysex_messages.h"
#include "runtime/random.h"
#include "smf_reader.h"

namespace orvanel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using std::chrono::milliseconds;

Bytes BankFile(std::uint64_t seed) {
  Bank bank{};
  RandSeed(seed);
  GenerateBank(bank);
  return Dt1Messages(BankBaseAddress, bank);
}

SysexCheck Checked(std::span<const std::uint8_t> bytes) {
  SysexCheck check(false);
  check.Feed(bytes);
  check.Finish();
  return check;
}

std::vector<Bytes> Copies(const std::vector<SysexMessage>& messages) {
  std::vector<Bytes> copies;
  for (const SysexMessage m : messages) copies.emplace_back(m.begin(), m.end());
  return copies;
}

TEST(Pacing, EachMessageWaitsForTheWireTimeOfTheOneBeforeAndTheInterval) {
  const Bytes file = BankFile(1);
  const std::vector<SysexMessage> messages = SplitMessages(file);
  ASSERT_EQ(messages.size(), 96U);
  EXPECT_EQ(WireTime(266), Microseconds(85'120));  // 320 us a byte

  const std::vector<Microseconds> paced = Departures(messages, DefaultInterval);
  ASSERT_EQ(paced.size(), 97U);
  for (std::size_t k = 0; k < paced.size(); ++k) EXPECT_EQ(paced[k], Microseconds(135'120) * k) << k;
  EXPECT_EQ(paced.back(), Microseconds(12'971'520));  // the wire's 8.17 s and 96 intervals

  // The floor: the wire alone, 25,536 bytes.
  EXPECT_EQ(Departures(messages, Microseconds(0)).back(), Microseconds(8'171'520));

  // Messages of other sizes: each waits for the size of the one before it.
  const Bytes patch = Dt1Messages(TemporaryPatchAddress, Bytes(PatchSize, 1));
  const std::vector<SysexMessage> two = SplitMessages(patch);
  EXPECT_EQ(Departures(two, milliseconds(7)),
            (std::vector<Microseconds>{Microseconds(0), Microseconds(85'120 + 7'000),
                                       Microseconds(85'120 + 7'000 + 44'160 + 7'000)}));
  EXPECT_EQ(Departures({}, DefaultInterval), std::vector<Microseconds>{Microseconds(0)});
  EXPECT_EQ(SecondsText(Microseconds(12'971'520)), "13.0 s");
}

TEST(SysexMessages, SplitsAFileIntoItsMessagesAndPassesOverStrayBytes) {
  const Bytes bytes = {0x01, 0xF0, 0x41, 0xF7, 0x02, 0x03, 0xF0, 0x43, 0xF0, 0x41, 0x10, 0xF7, 0xF0, 0x7E};
  EXPECT_EQ(Copies(SplitMessages(bytes)),
            (std::vector<Bytes>{{0xF0, 0x41, 0xF7}, {0xF0, 0x43}, {0xF0, 0x41, 0x10, 0xF7}, {0xF0, 0x7E}}));
  EXPECT_TRUE(SplitMessages(Bytes{}).empty());
  EXPECT_TRUE(SplitMessages(Bytes{0x10, 0xF7}).empty());

  const Bytes file = BankFile(2);
  const std::vector<SysexMessage> messages = SplitMessages(file);
  ASSERT_EQ(messages.size(), 96U);
  for (std::size_t k = 0; k < messages.size(); ++k) {
    EXPECT_EQ(messages[k].data(), file.data() + 266 * k);
    EXPECT_EQ(messages[k].size(), 266U);
  }
}

TEST(SysexMessages, LongDt1MessagesGoAsSeveralOfAtMost256DataBytesToTheSameMemory) {
  Bank bank{};
  RandSeed(3);
  GenerateBank(bank);
  // The whole bank in messages of 1000, 100 and the rest, on device 1F.
  Bytes file;
  for (const auto& [at, size] : {std::pair{0, 1000}, {1000, 100}, {1100, 23476}}) {
    AppendDt1(file, BankBaseAddress + at, std::span(bank).subspan(at, size), 0x1F);
  }
  const Bytes paced = Dt1OfAtMost256(file);
  const std::vector<SysexMessage> messages = SplitMessages(paced);
  ASSERT_EQ(messages.size(), 4U + 1U + 92U);  // 1000 = 3 x 256 + 232; 23476 = 91 x 256 + 180
  for (const SysexMessage m : messages) {
    EXPECT_LE(m.size(), 266U);
    EXPECT_EQ(m[2], 0x1F);
  }
  EXPECT_EQ(messages[4].size(), 110U);  // the message of 100 bytes, unchanged
  const SysexCheck check = Checked(paced);
  EXPECT_EQ(check.FaultCount(), 0U);
  ASSERT_TRUE(check.WholeInternalBank());
  for (std::size_t i = 0; i < BankSize; ++i) {
    ASSERT_EQ(check.Memory().At(BankBaseAddress + static_cast<std::uint32_t>(i)).value, bank[i]) << i;
  }
  const Bytes orvanel = BankFile(4);
  EXPECT_EQ(Dt1OfAtMost256(orvanel), orvanel);  // what Orvanel writes goes as it is
}

TEST(DeviceId, IsTheUnitNumberThatTheInstrumentShowsLessSeventeenPlus10) {
  struct Case {
    const char* text;
    std::optional<std::uint8_t> device;
  };
  for (const Case c : {Case{"17", 0x10}, Case{"18", 0x11}, Case{"32", 0x1F}, Case{"16", {}}, Case{"33", {}},
                       Case{"0", {}}, Case{"", {}}, Case{"-17", {}}, Case{"17a", {}}, Case{"0x10", {}},
                       Case{" 17", {}}}) {
    EXPECT_EQ(ParseDeviceId(c.text), c.device) << c.text;
  }
}

TEST(DeviceId, RewritesByte2OfEveryMessageAndNothingElse) {
  const Bytes file = BankFile(5);
  Bytes rewritten = file;
  SetDeviceId(rewritten, 0x1F);
  ASSERT_EQ(rewritten.size(), file.size());
  for (std::size_t i = 0; i < file.size(); ++i) {
    EXPECT_EQ(rewritten[i], i % 266 == 2 ? 0x1F : file[i]) << i;
  }
  // The checksums do not cover the device ID.
  const SysexCheck check = Checked(rewritten);
  EXPECT_EQ(check.FaultCount(), 0U);
  EXPECT_EQ(check.DeviceIds(), (std::vector<std::uint8_t>{0x1F}));

  Bytes tiny = {0xF0, 0x41, 0xF7, 0xF0, 0x41, 0x10, 0xF7};
  SetDeviceId(tiny, 0x12);
  EXPECT_EQ(tiny, (Bytes{0xF0, 0x41, 0xF7, 0xF0, 0x41, 0x12, 0xF7}));  // never an F7
}

TEST(StandardMidiFile, HoldsEveryMessageAsASysExEventTimedAsSendTimesIt) {
  const Bytes file = BankFile(6);
  for (const Microseconds interval : {Microseconds(0), Microseconds(DefaultInterval), Microseconds(60'000'000)}) {
    SCOPED_TRACE(interval.count());
    const std::vector<SysexMessage> messages = SplitMessages(file);
    const std::vector<Microseconds> departures = Departures(messages, interval);
    const Bytes smf_bytes = StandardMidiFile(messages, departures);
    const testing::Smf smf = testing::SmfReader(smf_bytes).Read();
    EXPECT_EQ(smf.format, 0U);
    EXPECT_EQ(smf.ticks_per_beat, 500U);
    ASSERT_EQ(smf.tracks.size(), 1U);
    const std::vector<testing::SmfEvent>& events = smf.tracks[0];
    ASSERT_EQ(events.size(), 1 + messages.size() + 1);

    // 120 beats a minute: with 500 ticks a beat, a tick is a millisecond.
    EXPECT_EQ(events.front().tick, 0U);
    EXPECT_EQ(events.front().status, 0xFF);
    EXPECT_EQ(events.front().meta_type, 0x51);
    EXPECT_EQ(events.front().data, (Bytes{0x07, 0xA1, 0x20}));
    for (std::size_t k = 0; k < messages.size(); ++k) {
      const testing::SmfEvent& event = events[1 + k];
      EXPECT_EQ(event.status, 0xF0);
      EXPECT_TRUE(std::equal(event.data.begin(), event.data.end(), messages[k].begin() + 1, messages[k].end()));
      EXPECT_EQ(event.data.size(), messages[k].size() - 1);
      // The first whole millisecond no sooner than send would send it.
      EXPECT_EQ(event.tick, (departures[k].count() + 999) / 1000) << k;
    }
    EXPECT_EQ(events.back().meta_type, 0x2F);
    EXPECT_EQ(events.back().tick, (departures.back().count() + 999) / 1000);
  }
  // Message 2 starts at 135.12 ms: tick 136, after a delta of 136 (81 08 in
  // two bytes); the length of 265 after F0 is 82 09.
  const std::vector<SysexMessage> messages = SplitMessages(file);
  const Bytes smf = StandardMidiFile(messages, Departures(messages, DefaultInterval));
  const Bytes second_start = {0x81, 0x08, 0xF0, 0x82, 0x09, 0x41, 0x10, 0x3D, 0x12, 0x05, 0x02, 0x00};
  EXPECT_NE(std::search(smf.begin(), smf.end(), second_start.begin(), second_start.end()), smf.end());
}

TEST(ReceivedDump, KeepsTheInstrumentsDt1MessagesByteForByteAndCountsTheRest) {
  const Bytes file = BankFile(7);
  const std::vector<SysexMessage> bank = SplitMessages(file);
  Bytes wrong_checksum(bank[5].begin(), bank[5].end());
  wrong_checksum[264] ^= 0x01;
  const std::vector<Bytes> foreign = {
      {0x90, 0x3C, 0x64},                                                // note on
      {0x80, 0x3C, 0x00},                                                // note off
      {0xF8},                                                            // clock
      {0xFE},                                                            // active sensing
      {0xF2, 0x00, 0x00},                                                // song position
      {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7},            // another maker
      {0xF0, 0x41, 0x10, 0x16, 0x12, 0x10, 0x00, 0x00, 0x01, 0x6F, 0xF7},  // a Roland MT-32
      {0xF0, 0x41, 0x10, 0x3D, 0x11, 0x05, 0x00, 0x00, 0x00, 0x01, 0x00, 0x7A, 0xF7},  // RQ1
      {0xF0, 0x41, 0x10, 0x3D, 0x12, 0x05, 0x00, 0x00, 0xF7},            // no data
      {0xF0, 0x41, 0x10, 0x3D, 0x12, 0x05, 0x00, 0x00, 0x00, 0x7B},      // no F7
      wrong_checksum,
  };
  ReceivedDump dump;
  for (std::size_t k = 0; k < bank.size(); ++k) {
    EXPECT_FALSE(dump.WholeBank()) << k;
    dump.Take(bank[k]);
    if (k < foreign.size()) dump.Take(foreign[k]);
  }
  EXPECT_TRUE(dump.WholeBank());
  EXPECT_EQ(dump.Kept(), file);
  EXPECT_EQ(dump.KeptMessages(), 96U);
  EXPECT_TRUE(dump.MissingFromBank().empty());
  EXPECT_EQ(dump.Ignored(), (std::vector<std::string>{
                                "2 channel messages (notes, controllers, programs)",
                                "1 system common message",
                                "2 real-time messages (clock, active sensing)",
                                "1 SysEx message of another maker",
                                "1 Roland SysEx message for another model",
                                "1 JD-800 message other than DT1",
                                "2 broken SysEx messages",
                                "the DT1 message to 05 0A 00: checksum " + FormatByte(wrong_checksum[264]) +
                                    ", expected " + FormatByte(bank[5][264]),
                            }));
  EXPECT_TRUE(IsRealTime(foreign[2]));
  EXPECT_TRUE(IsRealTime(foreign[3]));
  EXPECT_FALSE(IsRealTime(foreign[0]));
  EXPECT_FALSE(IsRealTime(bank[0]));
}

TEST(ReceivedDump, SaysWhichPartOfTheBankDidNotArrive) {
  const Bytes file = BankFile(8);
  const std::vector<SysexMessage> bank = SplitMessages(file);
  ReceivedDump dump;
  for (std::size_t k = 0; k < 48; ++k) {
    if (k != 10) dump.Take(bank[k]);
  }
  // Elsewhere than the bank: kept, and no help to it.
  const Bytes temporary = Dt1Messages(TemporaryPatchAddress, Bytes(PatchSize, 0));
  for (const SysexMessage m : SplitMessages(temporary)) dump.Take(m);
  EXPECT_FALSE(dump.WholeBank());
  EXPECT_EQ(dump.KeptMessages(), 47U + 2U);
  EXPECT_EQ(dump.BankBytes(), 47U * 256U);
  const std::vector<AddressRange> missing = dump.MissingFromBank();
  ASSERT_EQ(missing.size(), 2U);
  EXPECT_EQ(FormatAddress(missing[0].first) + " - " + FormatAddress(missing[0].last), "05 14 00 - 05 15 7F");
  EXPECT_EQ(FormatAddress(missing[1].first) + " - " + FormatAddress(missing[1].last), "05 60 00 - 06 3F 7F");

  // Many wrong checksums: the first sixteen by address, then a count.
  ReceivedDump broken;
  for (const SysexMessage m : bank) {
    Bytes copy(m.begin(), m.end());
    copy[264] ^= 0x01;
    broken.Take(copy);
  }
  const std::vector<std::string> lines = broken.Ignored();
  ASSERT_EQ(lines.size(), ReceivedDump::MaxListedChecksums + 1);
  EXPECT_TRUE(lines[0].starts_with("the DT1 message to 05 00 00: checksum ")) << lines[0];
  EXPECT_EQ(lines.back(), "80 more DT1 messages with wrong checksums");
  EXPECT_TRUE(broken.Kept().empty());
}

TEST(PortChoice, ByNumberByWholeNameOrByAPartOfExactlyOneName) {
  const std::vector<std::string> names = {"recorder:in", "recorder:in 2", "JD-800 MIDI 1", "Midi Through"};
  struct Case {
    const char* wanted;
    std::vector<std::size_t> matches;
  };
  for (const Case& c : {Case{"1", {0}}, Case{"4", {3}}, Case{"5", {}}, Case{"0", {}}, Case{"recorder:in", {0}},
                        Case{"recorder", {0, 1}}, Case{"in 2", {1}}, Case{"jd-800", {2}}, Case{"THROUGH", {3}},
                        Case{"nothing", {}}, Case{"", {}}}) {
    EXPECT_EQ(ChoosePort(names, c.wanted).matches, c.matches) << c.wanted;
  }
}

}  // namespace
}  // namespace orvanel
