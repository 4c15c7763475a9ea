// A JACK server of a test's own: the dummy driver (no sound hardware), under
// a name no one else uses, made the default for this process and the programs
// it starts (JACK_DEFAULT_SERVER), and stopped when the test ends, whether it
// passed or not. Should the test process die, the server dies with it.
#pragma once

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <jack/jack.h>
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

 private:
  bool WaitUntilItAnswers() {
    jack_set_error_function([](const char*) {});  // "cannot connect" until it can
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    bool answered = false;
    while (!answered && std::chrono::steady_clock::now() < give_up) {
      jack_status_t status;
      if (jack_client_t* probe = jack_client_open("probe", JackNoStartServer, &status)) {
        jack_client_close(probe);
        answered = true;
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      }
    }
    jack_set_error_function([](const char* text) { std::fprintf(stderr, "jack: %s\n", text); });
    return answered;
  }

  void Stop() {
    unsetenv("JACK_DEFAULT_SERVER");
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 100; ++i) {
      if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = -1;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

  std::string name_;
  pid_t pid_ = -1;
};

}  // namespace orvanel::testing
