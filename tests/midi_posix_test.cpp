// The POSIX pieces under the MIDI commands: Ctrl-C as a request, and a file
// that appears whole or not at all.
#include <gtest/gtest.h>

#include <csignal>
#include <thread>
#include <unistd.h>

#include "platform/posix/interrupt_guard.h"
#include "platform/posix/wake_pipe.h"
#include "platform/posix/whole_file.h"
#include "runtime/in_out_error.h"
#include "temp_folder.h"

namespace orvanel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = InterruptGuard::Clock;
using std::chrono::milliseconds;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::vector<std::string> FileNames(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

int CodeOf(const std::function<void()>& write) {
  try {
    write();
  } catch (const EInOutError& error) {
    return error.ErrorCode();
  }
  return 0;
}

TEST(WholeFile, AppearsUnderItsNameOnlyWholeAndReplacesOnlyWhenAsked) {
  TempFolder folder;
  const std::string path = folder / "backup.syx";
  WriteWholeFile(path, Bytes{1, 2, 3}, CreateMode::New);
  EXPECT_EQ(ReadBytes(path), (Bytes{1, 2, 3}));

  EXPECT_EQ(CodeOf([&] { WriteWholeFile(path, Bytes{4, 5}, CreateMode::New); }), FileExistsCode);
  EXPECT_EQ(ReadBytes(path), (Bytes{1, 2, 3}));
  WriteWholeFile(path, Bytes{4, 5}, CreateMode::Replace);
  EXPECT_EQ(ReadBytes(path), (Bytes{4, 5}));

  // A folder that is not there: "Invalid filename", as the writer says it.
  EXPECT_EQ(CodeOf([&] { WriteWholeFile(folder / "missing/backup.syx", Bytes{1}, CreateMode::New); }), 3);
  // No temporary file is left behind, whatever happened.
  EXPECT_EQ(FileNames(folder), std::vector<std::string>{"backup.syx"});
}

TEST(WholeFile, LeavesWhatIsThereAsItWasWhenTheRenameFails) {
  TempFolder folder;
  const std::string path = folder / "backup.syx";
  std::filesystem::create_directory(path);
  WriteBytes(path + "/inside", {9, 9});
  EXPECT_EQ(CodeOf([&] { WriteWholeFile(path, Bytes{1}, CreateMode::Replace); }), 5);  // "File access denied"
  EXPECT_EQ(ReadBytes(path + "/inside"), (Bytes{9, 9}));
  EXPECT_EQ(FileNames(folder), std::vector<std::string>{"backup.syx"});
}

TEST(InterruptGuard, CtrlCEndsASleepAtOnceAndIsNoKill) {
  InterruptGuard guard;
  const Clock::time_point start = Clock::now();
  std::thread presser([] {
    std::this_thread::sleep_for(milliseconds(100));
    kill(getpid(), SIGINT);  // to the process, as a terminal sends it
  });
  EXPECT_FALSE(guard.SleepUntil(start + std::chrono::seconds(20)));
  presser.join();
  EXPECT_TRUE(guard.Interrupted());
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(guard.Wait(-1, start), InterruptGuard::Wake::Interrupted);  // it stays pressed
}

TEST(InterruptGuard, SleepsUntilTheDeadlineAndWakesForAReadableDescriptor) {
  InterruptGuard guard;
  for (const milliseconds wait : {milliseconds(0), milliseconds(1), milliseconds(30)}) {
    const Clock::time_point deadline = Clock::now() + wait;
    EXPECT_TRUE(guard.SleepUntil(deadline));
    EXPECT_GE(Clock::now(), deadline);
  }
  WakePipe pipe;
  EXPECT_EQ(guard.Wait(pipe.ReadEnd(), Clock::now() + milliseconds(10)), InterruptGuard::Wake::Deadline);
  std::thread waker([&] {
    std::this_thread::sleep_for(milliseconds(50));
    pipe.Wake();
  });
  EXPECT_EQ(guard.Wait(pipe.ReadEnd(), std::nullopt), InterruptGuard::Wake::Ready);
  waker.join();
  pipe.Drain();
  EXPECT_EQ(guard.Wait(pipe.ReadEnd(), Clock::now()), InterruptGuard::Wake::Deadline);
  EXPECT_FALSE(guard.Interrupted());
}

TEST(InterruptGuard, GivesBackTheDefaultCtrlCWhenItEnds) {
  { InterruptGuard guard; }
  struct sigaction action = {};
  sigaction(SIGINT, nullptr, &action);
  EXPECT_EQ(action.sa_handler, SIG_DFL);
  sigset_t mask;
  pthread_sigmask(SIG_BLOCK, nullptr, &mask);
  EXPECT_EQ(sigismember(&mask, SIGINT), 0);
}

}  // namespace
}  // namespace orvanel
