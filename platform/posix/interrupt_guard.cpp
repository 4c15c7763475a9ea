#include "platform/posix/interrupt_guard.h"

#include <cassert>
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <pthread.h>

namespace orvanel {
namespace {

volatile std::sig_atomic_t interrupted = 0;
bool guarded = false;

extern "C" void MarkInterrupted(int) { interrupted = 1; }

sigset_t InterruptSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  return set;
}

}  // namespace

InterruptGuard::InterruptGuard() {
  assert(!guarded);  // the handler's flag is one for the process
  guarded = true;
  interrupted = 0;
  struct sigaction action = {};
  action.sa_handler = MarkInterrupted;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previous_action_);
  const sigset_t block = InterruptSet();
  pthread_sigmask(SIG_BLOCK, &block, &previous_mask_);
}

InterruptGuard::~InterruptGuard() {
  pthread_sigmask(SIG_SETMASK, &previous_mask_, nullptr);
  sigaction(SIGINT, &previous_action_, nullptr);
  guarded = false;
}

bool InterruptGuard::Interrupted() const { return interrupted != 0; }

InterruptGuard::Wake InterruptGuard::Wait(int fd, std::optional<Clock::time_point> deadline) {
  // SIGINT is let in only inside ppoll, which it then ends.
  sigset_t open;
  pthread_sigmask(SIG_BLOCK, nullptr, &open);
  sigdelset(&open, SIGINT);
  pollfd readable = {fd, POLLIN, 0};
  for (;;) {
    if (Interrupted()) return Wake::Interrupted;
    timespec left = {};
    if (deadline) {
      const Clock::duration remaining = *deadline - Clock::now();
      if (remaining <= Clock::duration::zero()) return Wake::Deadline;
      const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(remaining);
      left.tv_sec = static_cast<time_t>(seconds.count());
      left.tv_nsec = static_cast<long>(std::chrono::nanoseconds(remaining - seconds).count());
    }
    const int ready = ppoll(fd >= 0 ? &readable : nullptr, fd >= 0 ? 1 : 0, deadline ? &left : nullptr, &open);
    if (ready > 0) return Wake::Ready;
    // A descriptor that fails is for its reader to find out.
    if (ready < 0 && errno != EINTR && fd >= 0) return Wake::Ready;
  }
}

}  // namespace orvanel
