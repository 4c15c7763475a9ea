// A JACK server of a test's own: the dummy driver (no sound hardware), under
// a name no one else uses, made the default for this process and the programs
// it starts (JACK_DEFAULT_SERVER), and stopped when the test ends, whether it
// passed or not. Should the test process die, the server dies with it.
#pragma once

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvanel::testing {

class JackServer {
 public:
  static constexpr unsigned SampleRate = 48000;
  static constexpr unsigned Period = 256;  // frames: 5.3 ms, the finest time a test can see

  JackServer()
      : name_("orvanel-test-" + std::to_string(getpid()) + "-" +
              std::to_string(std::chrono::steady_clock::now().time_since_epoch().count() % 1'000'000'000)) {
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("cannot fork");
    if (pid_ == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      const int null = open("/dev/null", O_RDWR);
      dup2(null, STDIN_FILENO);
      dup2(null, STDOUT_FILENO);  // it reports every late cycle
      dup2(null, STDERR_FILENO);
      const std::string rate = std::to_string(SampleRate);
      const std::string period = std::to_string(Period);
      // Real-time, as JACK is meant to run, so that a busy machine does not
      // wake its cycles late; synchronous, so that a cycle waits for every
      // client instead of losing what a late one had to pass on.
      execl(ORVANEL_JACKD, ORVANEL_JACKD, "--realtime", "--sync", "--name", name_.c_str(), "-d", "dummy", "--rate",
            rate.c_str(), "--period", period.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
    if (!WaitUntilItAnswers()) {
      Stop();
      throw std::runtime_error("jackd did not start");
    }
  }
  ~JackServer() { Stop(); }
  JackServer(const JackServer&) = delete;
  JackServer& operator=(const JackServer&) = delete;

  const std::string& Name() const { return name_; }

  void Stop() {
    unsetenv("JACK_DEFAULT_SERVER");
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    bool ended = false;
    for (int i = 0; i < 100 && !ended; ++i) {
      ended = waitpid(pid_, nullptr, WNOHANG) == pid_;
      if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!ended) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
    RemoveLeftovers();
  }

 private:
  // A server that stops under its clients leaves their semaphores behind.
  void RemoveLeftovers() const {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/shm", ignored)) {
      if (entry.path().filename().string().find("_" + name_ + "_") != std::string::npos) {
        std::filesystem::remove(entry.path(), ignored);
      }
    }
  }

  // In a process of its own: libjack keeps what it found when the server
  // was not there yet, and a test's client would fail after it.
  bool WaitUntilItAnswers() {
    const pid_t waiter = fork();
    if (waiter < 0) return false;
    if (waiter == 0) {
      const int null = open("/dev/null", O_RDWR);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      execl(ORVANEL_JACK_WAIT, ORVANEL_JACK_WAIT, "--wait", "--timeout", "20", static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    return waitpid(waiter, &status, 0) == waiter && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  std::string name_;
  pid_t pid_ = -1;
};

}  // namespace orvanel::testing
