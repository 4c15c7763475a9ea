#include <gtest/gtest.h>

#include "bank/generate_command.h"
#include "bank/sysex_writer.h"
#include "fake_random.h"
#include "runtime/in_out_error.h"
#include "temp_folder.h"

namespace orvanel {
namespace {

using testing::ReadBytes;
using testing::RecordingRandom;
using testing::TempFolder;

// A save dialog the test answers in advance; it counts what the command asks.
class FakeSaveDialog : public SaveFilePrompt {
 public:
  bool Execute() override {
    ++shown;
    return confirm;
  }
  std::string ChosenPath() const override {
    ++paths_taken;
    return answer;
  }

  bool confirm = false;
  std::string answer;
  int shown = 0;
  mutable int paths_taken = 0;
};

class GenerateCommandTest : public ::testing::Test {
 protected:
  void Generate() {
    GenerateCommand(bank, dialog, [this](std::string_view text) {
      messages.emplace_back(text);
      size_when_confirmed = ReadBytes(dialog.answer).size();
    });
  }

  TempFolder folder;
  FakeSaveDialog dialog;
  Bank bank{};
  std::vector<std::string> messages;
  std::size_t size_when_confirmed = 0;
};

TEST_F(GenerateCommandTest, CancelReseedsAndChangesNothingElse) {
  bank.fill(0x11);
  dialog.answer = folder / "earlier.syx";
  RecordingRandom random(RecordingRandom::Answer::Highest);

  Generate();

  EXPECT_EQ(dialog.shown, 1);
  EXPECT_EQ(dialog.paths_taken, 0);
  EXPECT_EQ(random.seeds.size(), 1U);
  EXPECT_TRUE(random.counts.empty());
  EXPECT_TRUE(std::all_of(bank.begin(), bank.end(), [](std::uint8_t b) { return b == 0x11; }));
  EXPECT_FALSE(std::filesystem::exists(folder / "earlier.syx"));
  EXPECT_TRUE(messages.empty());
}

TEST_F(GenerateCommandTest, ConfirmsOnlyOnceTheWholeFileIsWritten) {
  RecordingRandom random(RecordingRandom::Answer::Highest);
  dialog.confirm = true;
  dialog.answer = folder / "bank.syx";

  Generate();

  EXPECT_EQ(dialog.shown, 1);
  EXPECT_EQ(random.seeds.size(), 1U);
  EXPECT_EQ(random.counts.size(), 20608U);
  EXPECT_EQ(messages, std::vector<std::string>{"Bank has been generated and saved!"});
  EXPECT_EQ(size_when_confirmed, SysexFileSize);
  EXPECT_EQ(ReadBytes(dialog.answer)[8 + 25], 48);  // patch 1, byte 25 at its maximum
}

TEST_F(GenerateCommandTest, AWriteErrorPassesOutBeforeTheConfirmation) {
  bank.fill(0x11);
  RecordingRandom random(RecordingRandom::Answer::Zero);
  dialog.confirm = true;
  dialog.answer = folder / "missing/bank.syx";

  try {
    Generate();
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.ErrorCode(), 3);
  }
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(random.counts.size(), 20608U);
  EXPECT_EQ(bank[16], 100);  // refilled all the same
  EXPECT_EQ(bank[25], 0);
}

}  // namespace
}  // namespace orvanel
