#include "platform/rtmidi/jack_stop_watch.h"

#include <jack/jack.h>

namespace orvanel {

JackStopWatch::JackStopWatch() : client_(jack_client_open("orvanel-bank-watch", JackNoStartServer, nullptr)) {
  if (client_ != nullptr) jack_on_shutdown(client_, OnShutdown, this);
}

JackStopWatch::~JackStopWatch() {
  if (client_ != nullptr) jack_client_close(client_);
}

void JackStopWatch::OnShutdown(void* watch) { static_cast<JackStopWatch*>(watch)->stopped_ = true; }

}  // namespace orvanel
