// Every case in the fuzz corpora, as an ordinary test: the committed seeds
// and whatever the last fuzz run kept. Under the sanitizers a memory fault
// fails here too.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "bank/sysex_check.h"
#include "temp_folder.h"

namespace orvanel {
namespace {

std::string Verdict(const SysexCheck& check) {
  std::ostringstream text;
  text << check.FaultCount() << " faults, " << check.Dt1Messages() << " messages, "
       << check.Ranges().size() << " ranges, bank " << check.WholeInternalBank() << "\n";
  for (const CheckFault& fault : check.Faults()) {
    text << fault.message << " " << fault.offset << " " << fault.text << "\n";
  }
  return text.str();
}

// However the reads split the file, the verdict is the same.
TEST(FuzzCorpus, EveryCaseGivesOneVerdictWhateverTheSplit) {
  std::size_t cases = 0;
  for (const char* folder : {ORVANEL_FUZZ_SEEDS, ORVANEL_FUZZ_FOUND}) {
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      SCOPED_TRACE(entry.path().string());
      const auto bytes = testing::ReadBytes(entry.path().string());
      SysexCheck whole(true);
      whole.Feed(bytes);
      whole.Finish();
      SysexCheck byte_by_byte(true);
      for (const std::uint8_t byte : bytes) byte_by_byte.Feed({&byte, 1});
      byte_by_byte.Finish();
      EXPECT_EQ(Verdict(whole), Verdict(byte_by_byte));
      EXPECT_LE(whole.Faults().size(), SysexCheck::MaxListedFaults);
      EXPECT_EQ(whole.FaultCount() == 0, whole.Faults().empty());
      ++cases;
    }
  }
  EXPECT_GT(cases, 0U);
}

}  // namespace
}  // namespace orvanel
