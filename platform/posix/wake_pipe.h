// A pipe through which one thread wakes another that waits on its read end,
// as InterruptGuard::Wait does.
#pragma once

namespace orvanel {

class WakePipe {
 public:
  // Throws std::system_error when the system has no pipe to give.
  WakePipe();
  ~WakePipe();
  WakePipe(const WakePipe&) = delete;
  WakePipe& operator=(const WakePipe&) = delete;

  // Never blocks: a pipe already full wakes the reader all the same.
  void Wake();
  // Empties the pipe, so that the next wait sleeps until the next Wake.
  void Drain();
  int ReadEnd() const { return ends_[0]; }

 private:
  int ends_[2];
};

}  // namespace orvanel
