// Ctrl-C while a MIDI command runs: a request that the command takes at its
// next wait, between two messages, never a kill in the middle of one.
//
// While a guard lives, SIGINT is blocked in this thread and in every thread
// started meanwhile (the MIDI systems' own), so it stays pending until one of
// the waits below lets it in.
#pragma once

#include <chrono>
#include <optional>
#include <signal.h>

namespace orvanel {

class InterruptGuard {
 public:
  using Clock = std::chrono::steady_clock;
  enum class Wake { Ready, Deadline, Interrupted };

  InterruptGuard();
  // Lets a Ctrl-C still pending in, harmlessly, then restores the old ways.
  ~InterruptGuard();
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

  // Sleeps in the system, never spinning, until `fd` (unless -1) can be read,
  // the absolute `deadline` (if any) has come, or Ctrl-C is pressed.
  Wake Wait(int fd, std::optional<Clock::time_point> deadline);
  // False when Ctrl-C came first.
  bool SleepUntil(Clock::time_point deadline) { return Wait(-1, deadline) != Wake::Interrupted; }
  // Ctrl-C has been pressed while the guard lives.
  bool Interrupted() const;

 private:
  sigset_t previous_mask_;
  struct sigaction previous_action_;
};

}  // namespace orvanel
