// orvanel-bank's MIDI commands as a user runs them, against a JACK server of
// the test's own with its dummy driver; a JACK client of the test's own is the
// instrument: it records what arrives, with its time, and plays dumps.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <poll.h>
#include <pty.h>

#include "bank/dt1_message.h"
#include "bank/generate_command.h"
#include "bank/patch_randomizer.h"
#include "bank/sysex_writer.h"
#include "jack_client.h"
#include "jack_server.h"
#include "midi/pacing.h"
#include "midi/sysex_messages.h"
#include "runtime/random.h"
#include "temp_folder.h"
#include "posix/tool_process.h"

namespace orvanel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using std::chrono::milliseconds;
using std::chrono::seconds;
using testing::Arrival;
using testing::JackServer;
using testing::JackTestClient;
using testing::ReadBytes;
using testing::TempFolder;
using testing::ToolProcess;
using testing::ToolRun;
using testing::WriteBytes;

// A message is seen in the first cycle after it was sent, a period later at
// most; a little more for a busy machine.
constexpr Microseconds Slack = Microseconds(1'000'000LL * JackServer::Period / JackServer::SampleRate) + milliseconds(5);

// Expects message k to arrive no sooner than `spacing`(k) after message k - 1.
// A machine busy enough to hold JACK's cycles back may deliver a message in
// the cycle of the next one: the two messages around it must then keep their
// pace together.
void ExpectPaced(const std::vector<Arrival>& arrivals, const std::function<Microseconds(std::size_t)>& spacing) {
  for (std::size_t k = 1; k < arrivals.size(); ++k) {
    if (arrivals[k].time - arrivals[k - 1].time >= spacing(k) - Slack) continue;
    ASSERT_GE(k, 2U) << "message 1 came too soon after message 0";
    EXPECT_GE(arrivals[k].time - arrivals[k - 2].time, spacing(k - 1) + spacing(k) - Slack)
        << "messages " << k - 1 << " and " << k << " came too soon";
  }
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

Bank SeededBank(std::uint64_t seed) {
  Bank bank{};
  RandSeed(seed);
  GenerateBank(bank);
  return bank;
}

std::vector<Bytes> Messages(const Bytes& file) {
  std::vector<Bytes> messages;
  for (const SysexMessage m : SplitMessages(file)) messages.emplace_back(m.begin(), m.end());
  return messages;
}

Bytes Joined(const std::vector<Arrival>& arrivals) {
  Bytes bytes;
  for (const Arrival& arrival : arrivals) bytes.insert(bytes.end(), arrival.bytes.begin(), arrival.bytes.end());
  return bytes;
}

class MidiCommands : public ::testing::Test {
 protected:
  ToolRun Tool(std::vector<std::string> arguments) { return Start(std::move(arguments))->Wait(); }
  std::unique_ptr<ToolProcess> Start(std::vector<std::string> arguments) {
    return std::make_unique<ToolProcess>(ORVANEL_BANK_TOOL, std::move(arguments), folder);
  }

  std::string BankFile(std::uint64_t seed) {
    const std::string path = folder / ("bank-" + std::to_string(seed) + ".syx");
    WriteBank(path, SeededBank(seed));
    return path;
  }
  // Patches I11 to I13 of a bank: five messages, the last of 128 bytes.
  std::string ThreePatches() {
    const Bank bank = SeededBank(3);
    const std::string path = folder / "three.syx";
    WriteBytes(path, Dt1Messages(SlotAddress(0), std::span(bank).first(3 * PatchSize)));
    return path;
  }

  JackServer server;  // first made, last stopped
  TempFolder folder;
  JackTestClient instrument{"instrument"};
};

TEST_F(MidiCommands, ABankArrivesByteForByteInOrderAndNoFasterThanTheWire) {
  const std::string file = BankFile(11);
  const auto start = std::chrono::steady_clock::now();
  const ToolRun run = Tool({"send", file, "--port", "instrument:in", "--interval", "0", "--yes"});
  // The whole of it on the wire: 25,536 bytes of 320 us.
  EXPECT_GE(std::chrono::steady_clock::now() - start, Microseconds(8'171'520));
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, "sent 96 messages (25536 bytes) to JACK instrument:in\n");

  const std::vector<Arrival> arrivals = instrument.WaitFor(96, seconds(5));
  ASSERT_EQ(arrivals.size(), 96U);
  EXPECT_EQ(Joined(arrivals), ReadBytes(file));
  for (std::size_t k = 0; k < arrivals.size(); ++k) EXPECT_EQ(arrivals[k].bytes.size(), 266U) << k;
  ExpectPaced(arrivals, [](std::size_t) { return WireTime(266); });
}

TEST_F(MidiCommands, TheSpacingHonoursTheInterval) {
  const std::string file = ThreePatches();
  const std::vector<Bytes> sent = Messages(ReadBytes(file));
  ASSERT_EQ(sent.size(), 5U);
  struct Case {
    std::vector<std::string> interval;
    milliseconds expected;
  };
  for (const Case& c : {Case{{"--interval", "200"}, milliseconds(200)}, Case{{}, milliseconds(50)}}) {
    SCOPED_TRACE(c.expected.count());
    const std::size_t before = instrument.Arrivals().size();
    std::vector<std::string> arguments = {"send", file, "--port", "instrument", "--yes"};
    arguments.insert(arguments.end(), c.interval.begin(), c.interval.end());
    EXPECT_EQ(Tool(arguments).exit_code, 0);
    std::vector<Arrival> arrivals = instrument.WaitFor(before + sent.size(), seconds(5));
    arrivals.erase(arrivals.begin(), arrivals.begin() + static_cast<std::ptrdiff_t>(before));
    ASSERT_EQ(arrivals.size(), sent.size());
    for (std::size_t k = 0; k < arrivals.size(); ++k) EXPECT_EQ(arrivals[k].bytes, sent[k]);
    // After the last message of 256 data bytes comes one of 128: the wait
    // before it is for the longer one.
    ExpectPaced(arrivals, [&](std::size_t k) { return WireTime(sent[k - 1].size()) + c.expected; });
  }
}

TEST_F(MidiCommands, AnAuditionArrivesAtTheTemporaryPatchWithThePatchsBytes) {
  const std::string file = BankFile(12);
  const Bank bank = SeededBank(12);
  const auto patch_messages = [](std::span<const std::uint8_t> patch) {
    return Messages(Dt1Messages(TemporaryPatchAddress, patch));
  };

  ToolRun run = Tool({"audition", file, "I23", "--port", "instrument"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, "I23  www.orvanel.org \nsent 2 messages (404 bytes) to JACK instrument:in\n");
  std::vector<Arrival> arrivals = instrument.WaitFor(2, seconds(5));
  ASSERT_EQ(arrivals.size(), 2U);
  const std::vector<Bytes> expected = patch_messages(std::span(bank).subspan(10 * PatchSize, PatchSize));
  EXPECT_EQ(arrivals[0].bytes, expected[0]);
  EXPECT_EQ(arrivals[1].bytes, expected[1]);
  EXPECT_EQ(Bytes(arrivals[0].bytes.begin() + 5, arrivals[0].bytes.begin() + 8), (Bytes{0x00, 0x00, 0x00}));
  EXPECT_EQ(Bytes(arrivals[1].bytes.begin() + 5, arrivals[1].bytes.begin() + 8), (Bytes{0x00, 0x02, 0x00}));
  EXPECT_EQ(arrivals[0].bytes.size(), 256U + 10U);
  EXPECT_EQ(arrivals[1].bytes.size(), 128U + 10U);

  // A fresh patch: the seed it prints draws it again, and it is I11 of the
  // bank that generate makes with that seed.
  run = Tool({"audition", "--port", "instrument"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  ASSERT_TRUE(run.out.starts_with("seed ")) << run.out;
  const std::string seed = run.out.substr(5, run.out.find('\n') - 5);
  EXPECT_EQ(Tool({"audition", "--seed", seed, "--port", "instrument"}).exit_code, 0);
  arrivals = instrument.WaitFor(6, seconds(5));
  ASSERT_EQ(arrivals.size(), 6U);
  EXPECT_EQ(Joined({arrivals.begin() + 2, arrivals.begin() + 4}), Joined({arrivals.begin() + 4, arrivals.end()}));
  const Bank seeded = SeededBank(std::stoull(seed));
  const std::vector<Bytes> first = patch_messages(std::span(seeded).first(PatchSize));
  EXPECT_EQ(arrivals[4].bytes, first[0]);
  EXPECT_EQ(arrivals[5].bytes, first[1]);
}

TEST_F(MidiCommands, DeviceIdRewritesByte2AndNothingElse) {
  const std::string file = ThreePatches();
  const Bytes bytes = ReadBytes(file);
  const ToolRun run = Tool({"send", file, "--device-id", "32", "--interval", "0", "--yes", "--port", "1"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  const Bytes arrived = Joined(instrument.WaitFor(5, seconds(5)));
  Bytes expected = bytes;
  for (const std::size_t message_start : {0, 266, 532, 798, 1064}) expected[message_start + 2] = 0x1F;
  EXPECT_EQ(arrived, expected);
}

TEST_F(MidiCommands, ReceiveFedBySendWritesTheFileThatWasSent) {
  const std::string file = BankFile(13);
  const std::string backup = folder / "backup.syx";
  const std::unique_ptr<ToolProcess> receive = Start({"receive", backup, "--port", "instrument:out"});
  ASSERT_TRUE(instrument.WaitForListener(seconds(10))) << receive->ErrSoFar();
  const ToolRun send = Tool({"send", file, "--port", "receive", "--interval", "0", "--yes"});
  EXPECT_EQ(send.exit_code, 0) << send.err;
  const ToolRun run = receive->Wait();
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, backup + ": the whole internal bank, 96 messages\n");
  EXPECT_TRUE(Contains(run.err, "Waiting for a bulk dump from JACK instrument:out")) << run.err;
  EXPECT_EQ(ReadBytes(backup), ReadBytes(file));
}

TEST_F(MidiCommands, ADumpCutOffHalfWayIsWrittenOnlyAtTheTimeoutAndIncomplete) {
  const std::vector<Bytes> bank = Messages(ReadBytes(BankFile(14)));
  const std::string backup = folder / "backup.syx";
  const std::unique_ptr<ToolProcess> receive = Start({"receive", backup, "--port", "instrument", "--timeout", "2"});
  ASSERT_TRUE(instrument.WaitForListener(seconds(10))) << receive->ErrSoFar();
  instrument.Play({bank.begin(), bank.begin() + 48});
  while (instrument.Playing()) std::this_thread::sleep_for(milliseconds(10));
  std::this_thread::sleep_for(milliseconds(1000));
  EXPECT_FALSE(std::filesystem::exists(backup));
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    EXPECT_FALSE(entry.path().filename().string().starts_with(".backup")) << entry.path();
  }

  const ToolRun run = receive->Wait();
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.err, "nothing more came for 2 s\n")) << run.err;
  EXPECT_TRUE(Contains(run.err, backup + ": no data for 05 60 00 - 06 3F 7F (12288 bytes)\n")) << run.err;
  EXPECT_TRUE(Contains(run.err, backup + ": incomplete, written with the 48 messages that came\n")) << run.err;
  Bytes first_half;
  for (std::size_t k = 0; k < 48; ++k) first_half.insert(first_half.end(), bank[k].begin(), bank[k].end());
  EXPECT_EQ(ReadBytes(backup), first_half);
}

TEST_F(MidiCommands, ReceiveIgnoresForeignMessagesAndSaysSo) {
  const std::string file = BankFile(15);
  const std::vector<Bytes> bank = Messages(ReadBytes(file));
  Bytes wrong_checksum = bank[5];
  wrong_checksum[264] ^= 0x01;
  std::vector<Bytes> stream;
  for (std::size_t k = 0; k < bank.size(); ++k) {
    if (k == 3) stream.push_back({0x90, 0x3C, 0x64});
    if (k == 4) stream.push_back({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
    if (k == 5) stream.push_back(wrong_checksum);
    if (k % 10 == 0) stream.push_back({0xF8});
    stream.push_back(bank[k]);
  }
  const std::string backup = folder / "backup.syx";
  const std::unique_ptr<ToolProcess> receive = Start({"receive", backup, "--port", "instrument"});
  ASSERT_TRUE(instrument.WaitForListener(seconds(10))) << receive->ErrSoFar();
  instrument.Play(stream);
  const ToolRun run = receive->Wait();
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(ReadBytes(backup), ReadBytes(file));
  for (const char* line : {"ignored 1 channel message (a note, controller or program)\n",
                                  "ignored 10 real-time messages (clock, active sensing)\n",
                                  "ignored 1 SysEx message of another maker\n",
                                  "ignored the DT1 message to 05 0A 00: checksum "}) {
    EXPECT_TRUE(Contains(run.err, line)) << line << "\n" << run.err;
  }
}

TEST_F(MidiCommands, RefusalsSendNothing) {
  const std::string bank = BankFile(16);
  const std::string faulty = folder / "faulty.syx";
  Bytes bytes = ReadBytes(bank);
  bytes[3 * 266 + 264] ^= 0x01;
  WriteBytes(faulty, bytes);
  const std::string text = folder / "notes.txt";
  WriteBytes(text, {'h', 'i', '\n'});
  const std::string existing = folder / "existing.syx";
  WriteBytes(existing, {1, 2, 3});
  struct Case {
    std::vector<std::string> arguments;
    int exit_code;
    std::string says;
  };
  const Case cases[] = {
      {{"send", faulty, "--port", "instrument", "--yes"}, 1, "message 4, offset 1062: checksum "},
      {{"send", text, "--port", "instrument", "--yes"}, 1, "not a sound JD-800 SysEx file (2 faults)"},
      {{"send", bank, "--port", "instrument"}, 2, "no terminal to ask: add --yes to send all the same"},
      {{"send", bank, "--port", "instrument"}, 2, "writes 64 internal patches, I11 - I88: "},
      {{"send", bank, "--port", "nowhere", "--yes"}, 2, "no MIDI output matches 'nowhere'"},
      {{"send", bank, "--port", "2", "--yes"}, 2, "no MIDI output matches '2'"},
      {{"send", bank, "--device-id", "16", "--yes"}, 2, "--device-id takes the unit number"},
      {{"send", bank, "--interval", "fast", "--yes"}, 2, "--interval takes whole milliseconds"},
      {{"send", folder / "none.syx", "--yes"}, 2, "cannot read"},
      {{"audition", bank, "I99", "--port", "instrument"}, 2, "'I99' is not a patch: I11 to I88"},
      {{"audition", bank}, 2, "audition takes FILE and PATCH, or --seed N, or neither"},
      {{"audition", bank, "I11", "--seed", "1"}, 2, "audition takes FILE and PATCH"},
      {{"audition", faulty, "I11"}, 1, "not a sound JD-800 SysEx file"},
      {{"audition", ThreePatches(), "I45"}, 1, "holds no whole patch I45"},
      {{"receive", existing, "--port", "instrument"}, 1, "exists; add --force to replace it"},
      {{"receive", folder / "b.syx", "--port", "nowhere"}, 2, "no MIDI input matches 'nowhere'"},
      {{"receive", folder / "b.syx", "--timeout", "0"}, 2, "--timeout takes whole seconds from 1"},
      {{"ports", "extra"}, 2, "ports takes no arguments"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.exit_code, c.exit_code) << ::testing::PrintToString(c.arguments) << run.err;
    EXPECT_TRUE(Contains(run.err, c.says)) << ::testing::PrintToString(c.arguments) << "\n" << run.err;
  }
  EXPECT_EQ(ReadBytes(existing), (Bytes{1, 2, 3}));
  std::this_thread::sleep_for(milliseconds(200));
  EXPECT_TRUE(instrument.Arrivals().empty());
}

TEST_F(MidiCommands, PortsListsOutputsAndInputsNumberedWithTheirSystem) {
  const ToolRun run = Tool({"ports"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out,
            "MIDI outputs, for send and audition:\n  1  JACK instrument:in\n"
            "MIDI inputs, for receive:\n  1  JACK instrument:out\n");
}

TEST_F(MidiCommands, APortThatVanishesMidSendEndsItAsAFault) {
  const std::unique_ptr<ToolProcess> send = Start({"send", BankFile(17), "--interval", "0", "--yes"});
  ASSERT_GE(instrument.WaitFor(3, seconds(10)).size(), 3U) << send->ErrSoFar();
  instrument.DropIn();
  const ToolRun run = send->Wait();
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.err, "orvanel-bank: JACK instrument:in has gone, after ")) << run.err;
  EXPECT_TRUE(Contains(run.err, " of 96 messages (")) << run.err;
}

TEST_F(MidiCommands, AServerThatStopsMidSendOrMidReceiveEndsThemAsAFault) {
  const std::unique_ptr<ToolProcess> send =
      Start({"send", BankFile(19), "--port", "instrument", "--interval", "0", "--yes"});
  const std::string backup = folder / "backup.syx";
  const std::unique_ptr<ToolProcess> receive = Start({"receive", backup, "--port", "instrument:out"});
  ASSERT_TRUE(instrument.WaitForListener(seconds(10))) << receive->ErrSoFar();
  ASSERT_GE(instrument.WaitFor(3, seconds(10)).size(), 3U) << send->ErrSoFar();
  server.Stop();
  const ToolRun sent = send->Wait();
  EXPECT_EQ(sent.exit_code, 1);
  EXPECT_TRUE(Contains(sent.err, "orvanel-bank: JACK instrument:in has gone, after ")) << sent.err;
  const ToolRun received = receive->Wait();
  EXPECT_EQ(received.exit_code, 1);
  EXPECT_TRUE(Contains(received.err, "orvanel-bank: JACK instrument:out has gone\n")) << received.err;
  EXPECT_TRUE(Contains(received.err, "nothing came from a JD-800; " + backup + " is not written")) << received.err;
  EXPECT_FALSE(std::filesystem::exists(backup));
}

TEST_F(MidiCommands, CtrlCStopsBetweenTwoMessagesAndSaysHowManyWent) {
  const std::string file = BankFile(18);
  const std::vector<Bytes> bank = Messages(ReadBytes(file));
  const std::unique_ptr<ToolProcess> send = Start({"send", file, "--port", "instrument", "--yes"});
  ASSERT_GE(instrument.WaitFor(3, seconds(10)).size(), 3U) << send->ErrSoFar();
  send->Interrupt();
  const ToolRun run = send->Wait();
  EXPECT_EQ(run.exit_code, 1);
  const std::string said = "orvanel-bank: stopped by Ctrl-C after ";
  const std::size_t at = run.err.find(said);
  ASSERT_NE(at, std::string::npos) << run.err;
  const std::size_t sent = std::stoul(run.err.substr(at + said.size()));
  EXPECT_TRUE(Contains(run.err, std::to_string(sent) + " of 96 messages (" + std::to_string(sent * 266) + " of 25536 bytes)"))
      << run.err;
  std::this_thread::sleep_for(milliseconds(200));
  const std::vector<Arrival> arrivals = instrument.Arrivals();
  ASSERT_EQ(arrivals.size(), sent);
  for (std::size_t k = 0; k < sent; ++k) EXPECT_EQ(arrivals[k].bytes, bank[k]) << k;

  // receive takes Ctrl-C as the end of the dump, and writes what came.
  const std::string backup = folder / "backup.syx";
  const std::unique_ptr<ToolProcess> receive = Start({"receive", backup, "--port", "instrument"});
  ASSERT_TRUE(instrument.WaitForListener(seconds(10))) << receive->ErrSoFar();
  instrument.Play({bank.begin(), bank.begin() + 10});
  while (instrument.Playing()) std::this_thread::sleep_for(milliseconds(10));
  std::this_thread::sleep_for(milliseconds(300));
  receive->Interrupt();
  const ToolRun received = receive->Wait();
  EXPECT_EQ(received.exit_code, 1);
  EXPECT_TRUE(Contains(received.err, "stopped by Ctrl-C\n")) << received.err;
  EXPECT_EQ(ReadBytes(backup).size(), 10U * 266U);
}

// A person at a terminal: send asks which port and whether to overwrite, and
// shows its progress.
class Terminal {
 public:
  explicit Terminal(std::vector<std::string> arguments) {
    pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid_ < 0) throw std::runtime_error("no pseudo-terminal");
    if (pid_ == 0) {
      std::vector<char*> argv{const_cast<char*>(ORVANEL_BANK_TOOL)};
      for (std::string& argument : arguments) argv.push_back(argument.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
  }
  ~Terminal() {
    close(master_);
    if (pid_ > 0) {  // never -1: that would be every process there is
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  // Reads the screen until `text` is on it, or the program ends.
  bool ReadUntil(const std::string& text, seconds timeout) {
    const auto give_up = std::chrono::steady_clock::now() + timeout;
    while (!Contains(screen, text) && std::chrono::steady_clock::now() < give_up) {
      pollfd readable = {master_, POLLIN, 0};
      if (poll(&readable, 1, 100) <= 0) continue;
      char buffer[4096];
      const ssize_t got = read(master_, buffer, sizeof buffer);
      if (got <= 0) break;
      screen.append(buffer, static_cast<std::size_t>(got));
    }
    return Contains(screen, text);
  }
  void Type(const std::string& text) { ASSERT_EQ(write(master_, text.data(), text.size()), ssize_t(text.size())); }
  int ExitCode() {
    ReadUntil("\x04never", seconds(20));  // to the end
    int status = 0;
    if (pid_ <= 0 || waitpid(pid_, &status, 0) != pid_) return -1;
    pid_ = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string screen;

 private:
  int master_ = -1;
  pid_t pid_ = 0;  // 0 once waited for
};

TEST_F(MidiCommands, OnATerminalSendAsksWhichPortAndBeforeItOverwritesAndShowsProgress) {
  const JackTestClient other("other");
  const std::string file = ThreePatches();
  {
    Terminal terminal({"send", file, "--interval", "0"});
    ASSERT_TRUE(terminal.ReadUntil("Which MIDI output? [1-2] ", seconds(10))) << terminal.screen;
    const std::size_t line = terminal.screen.find("  JACK instrument:in");
    ASSERT_NE(line, std::string::npos) << terminal.screen;
    terminal.Type(terminal.screen.substr(line - 1, 1) + "\n");
    ASSERT_TRUE(terminal.ReadUntil("Send to JACK instrument:in? [y/N] ", seconds(10))) << terminal.screen;
    EXPECT_TRUE(Contains(terminal.screen, "writes 3 internal patches, I11 - I13: ")) << terminal.screen;
    EXPECT_TRUE(Contains(terminal.screen, "memory protect off")) << terminal.screen;
    EXPECT_TRUE(Contains(terminal.screen, "orvanel-bank receive backup.syx")) << terminal.screen;
    terminal.Type("y\n");
    EXPECT_EQ(terminal.ExitCode(), 0) << terminal.screen;
    EXPECT_TRUE(Contains(terminal.screen, "\rmessage 5 of 5, 1202 of 1202 bytes, ")) << terminal.screen;
    EXPECT_TRUE(Contains(terminal.screen, "sent 5 messages (1202 bytes) to JACK instrument:in")) << terminal.screen;
  }
  EXPECT_EQ(Joined(instrument.WaitFor(5, seconds(5))), ReadBytes(file));

  Terminal declined({"send", file, "--port", "instrument"});
  ASSERT_TRUE(declined.ReadUntil("[y/N] ", seconds(10))) << declined.screen;
  declined.Type("\n");
  EXPECT_EQ(declined.ExitCode(), 1);
  EXPECT_TRUE(Contains(declined.screen, "nothing sent")) << declined.screen;
  EXPECT_EQ(instrument.Arrivals().size(), 5U);
}

TEST(MidiWithoutAServer, SaysThatNoMidiSystemIsRunning) {
  if (std::filesystem::exists("/dev/snd/seq")) GTEST_SKIP() << "ALSA's sequencer runs here";
  setenv("JACK_DEFAULT_SERVER", ("orvanel-none-" + std::to_string(getpid())).c_str(), 1);
  TempFolder folder;
  const std::string file = folder / "bank.syx";
  WriteBank(file, SeededBank(1));
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"ports"}, {"send", file, "--yes"}, {"audition"}, {"receive", folder / "b.syx"}}) {
    const ToolRun run = ToolProcess(ORVANEL_BANK_TOOL, arguments, folder).Wait();
    EXPECT_EQ(run.exit_code, 2) << arguments[0];
    EXPECT_TRUE(Contains(run.err, "orvanel-bank: no MIDI system is running: start a JACK server, or load ALSA's "
                                  "sequencer (snd-seq)\n"))
        << run.err;
  }
  unsetenv("JACK_DEFAULT_SERVER");
}

}  // namespace
}  // namespace orvanel
