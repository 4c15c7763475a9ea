#include <gtest/gtest.h>

#include "runtime/error_text.h"

namespace orvanel {
namespace {

TEST(ErrorDisplayText, AddsAFullStopAfterCharactersBeyondIt) {
  struct Case {
    const char* text;
    const char* shown;
  };
  for (const Case c : {Case{"Invalid filename", "Invalid filename."}, Case{"I/O error 112", "I/O error 112."},
                       Case{"Done.", "Done."}, Case{"Why?", "Why?."}, Case{"Stop!", "Stop!"},
                       Case{"a-", "a-"}, Case{"path/", "path/."}, Case{"", ""}, Case{"caf\xC3\xA9", "caf\xC3\xA9."}}) {
    EXPECT_EQ(ErrorDisplayText(c.text), c.shown) << c.text;
  }
}

}  // namespace
}  // namespace orvanel
