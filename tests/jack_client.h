// A JACK client of the tests, the far end of orvanel-bank's MIDI: "in" records
// every message that arrives with the time it arrived, "out" plays messages,
// one a cycle.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace orvanel::testing {

struct Arrival {
  // When JACK ran the cycle that brought it, in microseconds of JACK's clock.
  // Not the cycle's frame: after a cycle that a busy machine made late, the
  // dummy driver counts its frames afresh and loses that time.
  std::chrono::microseconds time;
  std::vector<std::uint8_t> bytes;
};

class JackTestClient {
 public:
  explicit JackTestClient(const std::string& name) {
    jack_status_t status{};
    client_ = jack_client_open(name.c_str(), static_cast<jack_options_t>(JackNoStartServer | JackUseExactName), &status);
    if (client_ == nullptr) throw std::runtime_error("no JACK client " + name + ", status " + std::to_string(status));
    in_ = jack_port_register(client_, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    out_ = jack_port_register(client_, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    jack_set_process_callback(client_, Process, this);
    if (in_ == nullptr || out_ == nullptr || jack_activate(client_) != 0) {
      jack_client_close(client_);
      throw std::runtime_error("JACK client " + name + " cannot start");
    }
  }
  ~JackTestClient() { jack_client_close(client_); }
  JackTestClient(const JackTestClient&) = delete;
  JackTestClient& operator=(const JackTestClient&) = delete;

  std::vector<Arrival> Arrivals() {
    const std::lock_guard lock(mutex_);
    return arrivals_;
  }
  // Once `count` messages have arrived, or `timeout` has passed.
  std::vector<Arrival> WaitFor(std::size_t count, std::chrono::seconds timeout) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, timeout, [&] { return arrivals_.size() >= count; });
    return arrivals_;
  }

  void Play(const std::vector<std::vector<std::uint8_t>>& messages) {
    const std::lock_guard lock(mutex_);
    to_play_.insert(to_play_.end(), messages.begin(), messages.end());
  }
  bool Playing() {
    const std::lock_guard lock(mutex_);
    return !to_play_.empty();
  }

  // Takes the "in" port away, as a port that vanishes.
  void DropIn() {
    jack_port_t* in = in_;
    {
      const std::lock_guard lock(mutex_);
      in_ = nullptr;
    }
    jack_port_unregister(client_, in);
  }

  // Waits until something listens on "out".
  bool WaitForListener(std::chrono::seconds timeout) {
    const auto give_up = std::chrono::steady_clock::now() + timeout;
    for (; std::chrono::steady_clock::now() < give_up; std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
      if (jack_port_connected(out_) > 0) return true;
    }
    return false;
  }

 private:
  static int Process(jack_nframes_t frames, void* self) {
    static_cast<JackTestClient*>(self)->Cycle(frames);
    return 0;
  }

  // On JACK's thread. A lock here would be a fault in an instrument's
  // software; in a test, the other side holds it for a copy at most.
  void Cycle(jack_nframes_t frames) {
    const std::lock_guard lock(mutex_);
    if (in_ != nullptr) {
      void* buffer = jack_port_get_buffer(in_, frames);
      const std::uint32_t count = jack_midi_get_event_count(buffer);
      const std::chrono::microseconds now(jack_get_time());
      for (std::uint32_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, buffer, i) != 0) continue;
        arrivals_.push_back({now, {event.buffer, event.buffer + event.size}});
      }
      if (count != 0) arrived_.notify_all();
    }
    void* buffer = jack_port_get_buffer(out_, frames);
    jack_midi_clear_buffer(buffer);
    if (!to_play_.empty() &&
        jack_midi_event_write(buffer, 0, to_play_.front().data(), to_play_.front().size()) == 0) {
      to_play_.pop_front();
    }
  }

  jack_client_t* client_;
  jack_port_t* in_;
  jack_port_t* out_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<Arrival> arrivals_;
  std::deque<std::vector<std::uint8_t>> to_play_;
};

}  // namespace orvanel::testing
