// Hears when the JACK server stops. A JACK client's list of ports then still
// reads as it was, and RtMidi waits for ever to hand a message on; a client of
// its own, never activated and with no ports, is told.
#pragma once

#include <atomic>

struct _jack_client;

namespace orvanel {

class JackStopWatch {
 public:
  JackStopWatch();
  ~JackStopWatch();
  JackStopWatch(const JackStopWatch&) = delete;
  JackStopWatch& operator=(const JackStopWatch&) = delete;

  // The server has stopped. Where the watch could not be made, it never says
  // so; the port list is then all there is to go by.
  bool Stopped() const { return stopped_.load(); }

 private:
  static void OnShutdown(void* watch);

  _jack_client* client_;
  std::atomic<bool> stopped_{false};
};

}  // namespace orvanel
