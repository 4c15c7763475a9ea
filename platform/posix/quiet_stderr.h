// Sends whatever this process writes to standard error to /dev/null while it
// lives. The MIDI libraries print their own diagnostics while they look for a
// MIDI system; the command says what matters in its own words.
#pragma once

namespace orvanel {

class QuietStderr {
 public:
  QuietStderr();
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;  // standard error as it was; -1 when it could not be kept
};

}  // namespace orvanel
