// The bank writer on Windows: the calls it makes, and every file error as
// Windows itself raises it, with its own code.
#include <gtest/gtest.h>

#include <functional>
#include <windows.h>

#include "bank/generate_command.h"
#include "bank/sysex_writer.h"
#include "platform/win32/file_calls.h"
#include "platform/win32/utf16.h"
#include "runtime/in_out_error.h"
#include "runtime/random.h"
#include "temp_folder.h"

namespace orvanel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::Utf8Path;

Bank SampleBank() {
  Bank bank{};
  RandSeed(1);
  GenerateBank(bank);
  return bank;
}

// Puts the system's calls back however a case ends.
class FileCallsGuard {
 public:
  FileCallsGuard() : saved_(ActiveFileCalls()) {}
  ~FileCallsGuard() { ActiveFileCalls() = saved_; }
  FileCallsGuard(const FileCallsGuard&) = delete;
  FileCallsGuard& operator=(const FileCallsGuard&) = delete;

 private:
  FileCalls saved_;
};

// What the writer asked of the system.
struct CreateCall {
  std::wstring path;
  DWORD access, share, disposition, attributes;
};
std::vector<CreateCall> creates;
std::vector<DWORD> write_sizes;
int closes = 0;

HANDLE WINAPI RecordCreate(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                           DWORD disposition, DWORD attributes, HANDLE template_file) {
  creates.push_back({path, access, share, disposition, attributes});
  return ::CreateFileW(path, access, share, security, disposition, attributes, template_file);
}

BOOL WINAPI RecordWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
  write_sizes.push_back(size);
  return ::WriteFile(file, data, size, written, overlapped);
}

BOOL WINAPI RecordClose(HANDLE handle) {
  ++closes;
  return ::CloseHandle(handle);
}

void Record() {
  creates.clear();
  write_sizes.clear();
  closes = 0;
  ActiveFileCalls() = {RecordCreate, RecordWrite, RecordClose};
}

TEST(WriteBankCalls, OneCreateFileOneWriteFilePerPieceOneCloseHandle) {
  TempFolder folder;
  FileCallsGuard guard;
  const Bank bank = SampleBank();
  std::filesystem::create_directory(Utf8Path(folder / "音色"));
  const std::string path = folder / "音色/Ωmega bank.syx";

  for (const CreateMode mode : {CreateMode::Replace, CreateMode::New}) {
    SCOPED_TRACE(mode == CreateMode::New ? "new" : "replace");
    std::filesystem::remove(Utf8Path(path));
    Record();
    WriteBank(path, bank, mode);
    ASSERT_EQ(creates.size(), 1U);
    EXPECT_EQ(creates[0].path, Utf16(path));  // the UTF-8 path, whole, as UTF-16
    EXPECT_EQ(creates[0].access, DWORD{GENERIC_READ | GENERIC_WRITE});
    EXPECT_EQ(creates[0].share, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE});
    EXPECT_EQ(creates[0].disposition, DWORD(mode == CreateMode::New ? CREATE_NEW : CREATE_ALWAYS));
    EXPECT_EQ(creates[0].attributes, DWORD{FILE_ATTRIBUTE_NORMAL});
    ASSERT_EQ(write_sizes.size(), 288U);
    constexpr DWORD header = 8, data = 256, trailer = 2;
    for (std::size_t i = 0; i < write_sizes.size(); i += 3) {
      ASSERT_EQ(write_sizes[i], header) << "write " << i;
      ASSERT_EQ(write_sizes[i + 1], data) << "write " << i + 1;
      ASSERT_EQ(write_sizes[i + 2], trailer) << "write " << i + 2;
    }
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(ReadBytes(path).size(), SysexFileSize);
  }

  // A file that is there already: CREATE_NEW refuses it with Windows' code.
  Record();
  try {
    WriteBank(path, bank, CreateMode::New);
    ADD_FAILURE() << "an existing file was written";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.ErrorCode(), ERROR_FILE_EXISTS);
  }
  EXPECT_TRUE(write_sizes.empty());
  EXPECT_EQ(ReadBytes(path).size(), SysexFileSize);
}

// Each case's own way to fail, set up before the call and undone after it.
std::size_t write_budget = 0;

BOOL WINAPI ShortWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
  const auto allowed = static_cast<DWORD>(std::min<std::size_t>(size, write_budget));
  write_budget -= allowed;
  return ::WriteFile(file, data, allowed, written, overlapped);
}

BOOL WINAPI FailingClose(HANDLE handle) {
  ::CloseHandle(handle);
  SetLastError(ERROR_INVALID_HANDLE);
  return FALSE;
}

// A handle that holds a file open and lets no one else in.
class Holder {
 public:
  explicit Holder(const std::string& path)
      : handle_(CreateFileW(Utf16(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr)) {}
  ~Holder() { CloseHandle(handle_); }
  Holder(const Holder&) = delete;
  Holder& operator=(const Holder&) = delete;
  bool Holds() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST(WriteBankFailure, EachFailureRaisesWindowsOwnCodeAndKeepsWhatWasWritten) {
  TempFolder folder;
  FileCallsGuard guard;
  const Bank bank = SampleBank();
  const std::vector<std::uint8_t> whole = [&] {
    WriteBank(folder / "reference.syx", bank);
    return ReadBytes(folder / "reference.syx");
  }();
  const std::vector<std::uint8_t> old_bytes{1, 2, 3};
  const std::string read_only = folder / "read-only.syx";
  const std::string held = folder / "held.syx";
  testing::WriteBytes(read_only, old_bytes);
  testing::WriteBytes(held, old_bytes);
  ASSERT_TRUE(SetFileAttributesW(Utf16(read_only).c_str(), FILE_ATTRIBUTE_READONLY));
  std::filesystem::create_directory(Utf8Path(folder / "a-folder.syx"));
  const std::size_t three_blocks_and_a_bit = 3 * SysexBlockSize + 100;
  // Under Wine, drive Z: is Linux's root, and /dev/full a disk that is
  // always full.
  const std::string full_disk = "Z:\\dev\\full";

  std::unique_ptr<Holder> holder;
  struct Case {
    const char* what;
    std::string path;
    std::function<void()> before;
    int code;
    std::function<void(const std::string&)> left_on_disk;
  };
  const auto absent = [](const std::string& path) { EXPECT_FALSE(std::filesystem::exists(Utf8Path(path))); };
  const auto unchanged = [&](const std::string& path) { EXPECT_EQ(ReadBytes(path), old_bytes); };
  const Case cases[] = {
      {"missing folder", folder / "missing/bank.syx", [] {}, 3, absent},
      {"folder as the file", folder / "a-folder.syx", [] {}, 5,
       [](const std::string& path) { EXPECT_TRUE(std::filesystem::is_directory(Utf8Path(path))); }},
      {"read-only file", read_only, [] {}, 5, unchanged},
      {"a file held open without sharing", held,
       [&] {
         holder = std::make_unique<Holder>(held);
         ASSERT_TRUE(holder->Holds());
       },
       32, unchanged},
      {"full disk", full_disk, [] {}, 112, [](const std::string&) {}},
      {"short write", folder / "short.syx",
       [&] {
         write_budget = three_blocks_and_a_bit;
         ActiveFileCalls().write = ShortWrite;
       },
       101,
       [&](const std::string& path) {
         const auto partial = ReadBytes(path);
         ASSERT_EQ(partial.size(), three_blocks_and_a_bit);
         EXPECT_TRUE(std::equal(partial.begin(), partial.end(), whole.begin()));
       }},
      {"failed close", folder / "close.syx", [] { ActiveFileCalls().close = FailingClose; }, 1,
       [&](const std::string& path) { EXPECT_EQ(ReadBytes(path), whole); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.before();
    int code = 0;
    try {
      WriteBank(c.path, bank);
    } catch (const EInOutError& error) {
      code = error.ErrorCode();
      EXPECT_EQ(error.what(), InOutErrorText(code));
    }
    EXPECT_EQ(code, c.code);
    ActiveFileCalls() = {::CreateFileW, ::WriteFile, ::CloseHandle};
    holder.reset();
    c.left_on_disk(c.path);
    // The next call to a sound path writes the whole file.
    const std::string sound_path = folder / (std::string("after ") + c.what + ".syx");
    WriteBank(sound_path, bank);
    EXPECT_EQ(ReadBytes(sound_path), whole);
  }
  SetFileAttributesW(Utf16(read_only).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace orvanel
