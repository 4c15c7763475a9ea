#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bank/generate_command.h"
#include "bank/sysex_writer.h"
#include "platform/posix/file_calls.h"
#include "platform/posix/system_error.h"
#include "runtime/in_out_error.h"
#include "runtime/random.h"
#include "temp_folder.h"

namespace orvanel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

// Exit codes of the child beyond the I/O error codes it reports.
constexpr int WroteWithoutError = 0;
constexpr int WrongText = 250;
constexpr int LaterCallFailed = 251;

Bank SampleBank() {
  Bank bank{};
  RandSeed(1);
  GenerateBank(bank);
  return bank;
}

// A value above the hard limit stands for the hard limit.
void SetSoftLimit(int resource, rlim_t value) {
  rlimit limit{};
  getrlimit(resource, &limit);
  limit.rlim_cur = std::min(value, limit.rlim_max);
  setrlimit(resource, &limit);
}

// Runs WriteBank in a child process, whose limits and identity the case may
// change; then, in the same process, a second call to a sound path must write
// the whole file. Returns the first call's error code.
int ErrorCodeInChild(const std::string& path, const std::string& sound_path,
                     const std::function<void()>& before) {
  const pid_t child = fork();
  if (child == 0) {
    // UBSan checks the first use of a polymorphic type through a pipe, which a
    // process without a free descriptor cannot open: use it before the limits.
    [[maybe_unused]] const int warm = EInOutError(0).ErrorCode();
    before();
    const Bank bank = SampleBank();
    int code = WroteWithoutError;
    try {
      WriteBank(path, bank);
    } catch (const EInOutError& error) {
      code = error.ErrorCode();
      if (error.what() != InOutErrorText(code)) _exit(WrongText);
    }
    ActiveFileCalls().close = ::close;
    SetSoftLimit(RLIMIT_FSIZE, RLIM_INFINITY);
    SetSoftLimit(RLIMIT_NOFILE, RLIM_INFINITY);
    try {
      WriteBank(sound_path, bank);
    } catch (const EInOutError&) {
      _exit(LaterCallFailed);
    }
    _exit(code);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void LimitFileSize(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);  // a short write instead of death
  SetSoftLimit(RLIMIT_FSIZE, bytes);
}

void NoMoreFiles() { SetSoftLimit(RLIMIT_NOFILE, 0); }

void NotRoot() {
  if (geteuid() == 0) {
    (void)setgid(65534);
    (void)setuid(65534);
  }
}

int FailingClose(int fd) {
  ::close(fd);
  errno = EIO;
  return -1;
}

void CloseFails() { ActiveFileCalls().close = FailingClose; }

void Nothing() {}

std::vector<std::size_t> write_sizes;

ssize_t RecordingWrite(int fd, const void* data, size_t size) {
  write_sizes.push_back(size);
  return ::write(fd, data, size);
}

// Counts the writes of one test through the file-call seam.
class WriteRecorder {
 public:
  WriteRecorder() : saved_(ActiveFileCalls().write) {
    write_sizes.clear();
    ActiveFileCalls().write = RecordingWrite;
  }
  ~WriteRecorder() { ActiveFileCalls().write = saved_; }
  WriteRecorder(const WriteRecorder&) = delete;
  WriteRecorder& operator=(const WriteRecorder&) = delete;

 private:
  decltype(FileCalls::write) saved_;
};

// Straight to the system: header, data and trailer of each block in a call of
// their own, 288 in all, and nothing held back in a buffer.
TEST(WriteBankCalls, WritesEachPieceOfEachBlockInOneCallOfItsOwn) {
  TempFolder folder;
  std::vector<std::size_t> expected;
  for (std::size_t block = 0; block < SysexBlockCount; ++block) expected.insert(expected.end(), {8, 256, 2});
  const WriteRecorder recorder;
  WriteBank(folder / "bank.syx", Bank{});
  EXPECT_EQ(write_sizes.size(), 288U);
  EXPECT_EQ(write_sizes, expected);
}

TEST(WriteBankFailure, EachFailureRaisesItsCodeAndKeepsWhatWasWritten) {
  TempFolder folder;
  chmod(folder.Path().c_str(), 0777);  // so that a child that is not root still gets in
  const std::vector<std::uint8_t> whole = [&] {
    WriteBank(folder / "reference.syx", SampleBank());
    return ReadBytes(folder / "reference.syx");
  }();
  const std::string read_only = folder / "read-only.syx";
  testing::WriteBytes(read_only, {1, 2, 3});
  chmod(read_only.c_str(), 0444);
  std::filesystem::create_directory(folder / "a-folder.syx");
  const std::size_t three_blocks_and_a_bit = 3 * SysexBlockSize + 100;

  struct Case {
    const char* what;
    std::string path;
    std::function<void()> before;
    int code;
    std::function<void(const std::string&)> left_on_disk;
  };
  const auto absent = [](const std::string& path) { EXPECT_FALSE(std::filesystem::exists(path)); };
  const Case cases[] = {
      {"missing folder", folder / "missing/bank.syx", Nothing, 3, absent},
      {"folder as the file", folder / "a-folder.syx", Nothing, 5,
       [](const std::string& path) { EXPECT_TRUE(std::filesystem::is_directory(path)); }},
      {"read-only file", read_only, NotRoot, 5,
       [](const std::string& path) { EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3})); }},
      {"disk full", "/dev/full", Nothing, 112, [](const std::string&) {}},
      {"short write", folder / "short.syx", [&] { LimitFileSize(three_blocks_and_a_bit); }, 101,
       [&](const std::string& path) {
         const auto partial = ReadBytes(path);
         ASSERT_EQ(partial.size(), three_blocks_and_a_bit);
         EXPECT_TRUE(std::equal(partial.begin(), partial.end(), whole.begin()));
       }},
      {"too many open files", folder / "no-descriptor.syx", NoMoreFiles, 4, absent},
      {"failed close", folder / "close.syx", CloseFails, 1,
       [&](const std::string& path) { EXPECT_EQ(ReadBytes(path), whole); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string sound_path = folder / (std::string("after ") + c.what + ".syx");
    EXPECT_EQ(ErrorCodeInChild(c.path, sound_path, c.before), c.code);
    c.left_on_disk(c.path);
    EXPECT_EQ(ReadBytes(sound_path), whole);
  }
}

TEST(WriteBankFailure, TextsNameTheCode) {
  struct Case {
    int code;
    const char* text;
  };
  for (const Case c : {Case{2, "File not found"}, Case{3, "Invalid filename"}, Case{4, "Too many open files"},
                       Case{5, "File access denied"}, Case{100, "Read beyond end of file"},
                       Case{101, "Disk full"}, Case{106, "Invalid numeric input"}, Case{1, "I/O error 1"},
                       Case{32, "I/O error 32"}, Case{112, "I/O error 112"}}) {
    EXPECT_EQ(EInOutError(c.code).what(), std::string(c.text));
    EXPECT_EQ(EInOutError(c.code).ErrorCode(), c.code);
  }
}

TEST(WriteBankFailure, SystemErrorsMapToTheCodesTheirTextsDescribe) {
  struct Case {
    int errno_value;
    int code;
  };
  for (const Case c : {Case{ENOENT, 3}, Case{ENOTDIR, 3}, Case{ENAMETOOLONG, 3}, Case{EACCES, 5},
                       Case{EPERM, 5}, Case{EROFS, 5}, Case{EISDIR, 5}, Case{ETXTBSY, 5}, Case{EMFILE, 4},
                       Case{ENFILE, 4}, Case{ENOSPC, 112}, Case{EDQUOT, 112}, Case{EEXIST, 80}, Case{EIO, EIO}}) {
    EXPECT_EQ(InOutCodeFromErrno(c.errno_value), c.code) << c.errno_value;
  }
}

}  // namespace
}  // namespace orvanel
