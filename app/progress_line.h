// One line on standard error that rewrites itself, for a person at a
// terminal; without one it shows nothing.
#pragma once

#include <iostream>
#include <string>

namespace orvanel {

class ProgressLine {
 public:
  explicit ProgressLine(bool shown) : shown_(shown) {}
  ~ProgressLine() { Clear(); }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Show(const std::string& text) {
    if (!shown_) return;
    std::cerr << '\r' << text << "\x1b[K" << std::flush;  // then erase what a longer line left
    drawn_ = true;
  }
  void Clear() {
    if (drawn_) std::cerr << "\r\x1b[K" << std::flush;
    drawn_ = false;
  }

 private:
  bool shown_;
  bool drawn_ = false;
};

}  // namespace orvanel
