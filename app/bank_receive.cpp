// orvanel-bank receive FILE [--port P] [--timeout S] [--force]
#include <filesystem>
#include <iostream>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "app/bank_tool.h"
#include "app/midi_options.h"
#include "app/midi_session.h"
#include "app/progress_line.h"
#include "midi/received_dump.h"
#include "platform/posix/terminal.h"
#include "platform/posix/wake_pipe.h"
#include "platform/posix/whole_file.h"
#include "runtime/in_out_error.h"

namespace orvanel {
namespace {

constexpr KnownOption ReceiveOptions[] = {PortOption, {"--timeout", true}, {"--force", false}};
constexpr std::uint64_t DefaultTimeoutSeconds = 10;
constexpr std::uint64_t MaxTimeoutSeconds = 3600;

// The messages that the MIDI system's thread hands over, for the command's own.
class Inbox {
 public:
  void Put(std::span<const std::uint8_t> message) {
    {
      const std::lock_guard lock(mutex_);
      messages_.emplace_back(message.begin(), message.end());
    }
    wake_.Wake();
  }
  std::vector<std::vector<std::uint8_t>> TakeAll() {
    wake_.Drain();
    const std::lock_guard lock(mutex_);
    return std::exchange(messages_, {});
  }
  int WaitOn() const { return wake_.ReadEnd(); }

 private:
  std::mutex mutex_;
  std::vector<std::vector<std::uint8_t>> messages_;
  WakePipe wake_;
};

enum class End { WholeBank, TimedOut, Interrupted, Vanished };

// Takes messages into `dump` until the whole internal bank is there, nothing
// but real-time messages came for `timeout` since the last other one, the
// port has gone, or Ctrl-C. Before the first message it waits as long as it
// takes.
End Listen(Inbox& inbox, MidiInput& input, ReceivedDump& dump, std::chrono::seconds timeout, InterruptGuard& guard) {
  using Clock = InterruptGuard::Clock;
  constexpr std::chrono::seconds LookAgain{1};  // whether the port is still there
  ProgressLine progress(StderrIsTerminal());
  std::optional<Clock::time_point> deadline;
  for (;;) {
    const Clock::time_point look = Clock::now() + LookAgain;
    const InterruptGuard::Wake wake = guard.Wait(inbox.WaitOn(), deadline ? std::min(*deadline, look) : look);
    if (wake == InterruptGuard::Wake::Interrupted) return End::Interrupted;
    if (wake == InterruptGuard::Wake::Deadline) {
      if (deadline && Clock::now() >= *deadline) return End::TimedOut;
      if (!input.Present()) return End::Vanished;
      continue;
    }
    for (const std::vector<std::uint8_t>& message : inbox.TakeAll()) {
      dump.Take(message);
      if (!IsRealTime(message)) deadline = Clock::now() + timeout;
    }
    progress.Show("received " + std::to_string(dump.KeptMessages()) + " messages, " +
                  std::to_string(dump.BankBytes()) + " of " + std::to_string(BankSize) +
                  " bytes of the internal bank");
    if (dump.WholeBank()) return End::WholeBank;
  }
}

}  // namespace

int ReceiveBankCommand(std::span<const std::string_view> arguments) {
  const std::optional<CommandOptions> options = ReadOptions("receive", arguments, ReceiveOptions);
  if (!options) return ExitUsage;
  if (options->plain.size() != 1) return Complain("receive takes one FILE", ExitUsage);
  const std::string& path = options->plain.front();
  std::uint64_t timeout = DefaultTimeoutSeconds;
  if (const auto text = options->Value("--timeout")) {
    const std::optional<std::uint64_t> seconds = ParseWholeNumber(*text, MaxTimeoutSeconds);
    if (!seconds || *seconds == 0) {
      return Complain("--timeout takes whole seconds from 1 to " + std::to_string(MaxTimeoutSeconds), ExitUsage);
    }
    timeout = *seconds;
  }
  const bool force = options->Has("--force");
  // Said now, not after the user has started a dump that would be lost.
  std::error_code ignored;
  if (!force && std::filesystem::exists(path, ignored)) return ComplainAboutWrite(path, EInOutError(FileExistsCode));

  ReceivedDump dump;
  End end = End::Interrupted;
  std::string port_text;
  {
    InterruptGuard guard;
    MidiPorts found(PortKind::Input);
    const PortPick pick = PickPort(found, options->Value(PortOption.name), guard);
    if (!pick.port) return pick.exit_code;
    try {
      Inbox inbox;
      MidiInput input(found, *pick.port, "receive", [&](std::span<const std::uint8_t> m) { inbox.Put(m); });
      port_text = PortText(*pick.port);
      std::cerr << "Waiting for a bulk dump from " << port_text << ": start it on the JD-800 (Ctrl-C stops).\n";
      end = Listen(inbox, input, dump, std::chrono::seconds(timeout), guard);
    } catch (const MidiError& error) {
      return Complain(error.what(), ExitFaults);
    }
  }

  for (const std::string& line : dump.Ignored()) std::cerr << "orvanel-bank: ignored " << line << "\n";
  if (end == End::TimedOut) std::cerr << "orvanel-bank: nothing more came for " << timeout << " s\n";
  if (end == End::Vanished) std::cerr << "orvanel-bank: " << port_text << " has gone\n";
  if (end == End::Interrupted) std::cerr << "orvanel-bank: stopped by Ctrl-C\n";
  if (dump.KeptMessages() == 0) return Complain("nothing came from a JD-800; " + path + " is not written", ExitFaults);
  try {
    WriteWholeFile(path, dump.Kept(), force ? CreateMode::Replace : CreateMode::New);
  } catch (const EInOutError& error) {
    return ComplainAboutWrite(path, error);
  }
  const std::string received = std::to_string(dump.KeptMessages()) + " messages";
  if (end == End::WholeBank) {
    std::cout << path << ": the whole internal bank, " << received << "\n";
    return ExitSound;
  }
  for (const AddressRange& gap : dump.MissingFromBank()) {
    std::cerr << "orvanel-bank: " << path << ": no data for " << FormatAddress(gap.first) << " - "
              << FormatAddress(gap.last) << " (" << gap.last - gap.first + 1 << " bytes)\n";
  }
  return Complain(path + ": incomplete, written with the " + received + " that came", ExitFaults);
}

}  // namespace orvanel
