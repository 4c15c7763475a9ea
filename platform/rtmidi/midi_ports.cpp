#include "platform/rtmidi/midi_ports.h"

#include <RtMidi.h>
#include <algorithm>
#include <jack/jack.h>

#include "platform/posix/quiet_stderr.h"
#include "platform/rtmidi/jack_stop_watch.h"

namespace orvanel {

struct MidiClient {
  RtMidi::Api api;
  std::string system;
  std::unique_ptr<JackStopWatch> jack_stop;  // for a connection through JACK
  std::string error;  // made before the RtMidi object, which reports into it
  // One of the two, as the kind of port wants; RtMidi's own base class cannot
  // be deleted through.
  std::unique_ptr<RtMidiOut> out;
  std::unique_ptr<RtMidiIn> in;
  RtMidi* midi = nullptr;

  ~MidiClient() {
    const QuietStderr quiet;
    out.reset();
    in.reset();
  }
};

namespace {

constexpr const char* ClientName = "orvanel-bank";

std::string SystemName(RtMidi::Api api) {
  switch (api) {
    case RtMidi::LINUX_ALSA:
      return "ALSA";
    case RtMidi::UNIX_JACK:
      return "JACK";
    default:
      return RtMidi::getApiDisplayName(api);
  }
}

// Set on every RtMidi object at once, so that RtMidi reports into a text of
// ours instead of printing or throwing.
void RecordError(RtMidiError::Type, const std::string& text, void* error) { *static_cast<std::string*>(error) = text; }

// libjack's own words on a server that is not there or has stopped; the
// command says what matters in its own.
void IgnoreJack(const char*) {}

std::vector<std::string> PortNames(MidiClient& client) {
  const QuietStderr quiet;
  std::vector<std::string> names;
  const unsigned count = client.midi->getPortCount();
  for (unsigned i = 0; i < count; ++i) names.push_back(client.midi->getPortName(i));
  return names;
}

// A client of `api`, or nothing when that system is not running. An error
// while its ports are counted means the same: RtMidi's JACK back end says
// only then that there is no server.
std::unique_ptr<MidiClient> Connect(RtMidi::Api api, PortKind kind) {
  auto client = std::make_unique<MidiClient>();
  client->api = api;
  client->system = SystemName(api);
  const QuietStderr quiet;
  try {
    if (kind == PortKind::Output) {
      client->midi = (client->out = std::make_unique<RtMidiOut>(api, ClientName)).get();
    } else {
      client->midi = (client->in = std::make_unique<RtMidiIn>(api, ClientName)).get();
    }
  } catch (const RtMidiError&) {
    return nullptr;
  }
  client->midi->setErrorCallback(RecordError, &client->error);
  client->midi->getPortCount();
  if (!client->error.empty()) return nullptr;
  return client;
}

// Opens orvanel-bank's own port on `client`, connected to `port`.
void OpenPort(MidiClient& client, const MidiPort& port, const std::string& own_name) {
  if (client.api == RtMidi::UNIX_JACK) {
    const QuietStderr quiet;
    client.jack_stop = std::make_unique<JackStopWatch>();
  }
  const std::vector<std::string> names = PortNames(client);
  const auto found = std::find(names.begin(), names.end(), port.name);
  if (found == names.end()) throw MidiError(port.system + " port " + port.name + " has gone");
  client.error.clear();
  {
    const QuietStderr quiet;
    client.midi->openPort(static_cast<unsigned>(found - names.begin()), own_name);
  }
  if (!client.error.empty()) {
    throw MidiError("cannot connect to " + port.system + " port " + port.name + ": " + client.error);
  }
}

bool StillThere(MidiClient* client, const std::string& name) {
  if (client == nullptr || (client->jack_stop && client->jack_stop->Stopped())) return false;
  client->error.clear();
  const std::vector<std::string> names = PortNames(*client);
  return client->error.empty() && std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

MidiPorts::MidiPorts(PortKind kind) : kind_(kind) {
  jack_set_error_function(IgnoreJack);
  jack_set_info_function(IgnoreJack);
  std::vector<RtMidi::Api> apis;
  RtMidi::getCompiledApi(apis);
  for (const RtMidi::Api api : apis) {
    std::unique_ptr<MidiClient> client = Connect(api, kind);
    if (!client) continue;
    for (std::string& name : PortNames(*client)) ports_.push_back({client->system, std::move(name), clients_.size()});
    running_.push_back(client->system);
    clients_.push_back(std::move(client));
  }
}

MidiPorts::~MidiPorts() = default;

std::unique_ptr<MidiClient> MidiPorts::Take(const MidiPort& port) {
  std::unique_ptr<MidiClient> taken;
  if (port.client < clients_.size()) taken = std::move(clients_[port.client]);
  clients_.clear();
  if (!taken) throw MidiError(port.system + " was asked for one port only");
  return taken;
}

MidiOutput::MidiOutput(MidiPorts& ports, const MidiPort& port, const std::string& own_name)
    : client_(ports.Take(port)), port_(port) {
  if (!client_->out) throw MidiError(port.name + " is no MIDI output");
  OpenPort(*client_, port_, own_name);
}

MidiOutput::~MidiOutput() = default;

void MidiOutput::Send(std::span<const std::uint8_t> message) {
  if (!client_) throw MidiError(port_.system + " port " + port_.name + " is closed");
  client_->error.clear();
  client_->out->sendMessage(message.data(), message.size());
  if (!client_->error.empty()) throw MidiError(client_->error);
}

void MidiOutput::Close() { client_.reset(); }

bool MidiOutput::Present() { return StillThere(client_.get(), port_.name); }

MidiInput::MidiInput(MidiPorts& ports, const MidiPort& port, const std::string& own_name, Receiver receiver)
    : receiver_(std::move(receiver)), client_(ports.Take(port)), port_(port) {
  if (!client_->in) throw MidiError(port.name + " is no MIDI input");
  client_->in->ignoreTypes(false, false, false);
  client_->in->setCallback(Deliver, this);
  OpenPort(*client_, port, own_name);
}

MidiInput::~MidiInput() = default;

bool MidiInput::Present() { return StillThere(client_.get(), port_.name); }

void MidiInput::Deliver(double, std::vector<unsigned char>* message, void* input) {
  static_cast<MidiInput*>(input)->receiver_(*message);
}

}  // namespace orvanel
