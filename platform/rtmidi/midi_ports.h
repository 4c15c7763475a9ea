// The MIDI ports of every MIDI system that RtMidi reaches here (ALSA and JACK
// on Linux), and a connection to one of them that ends with its owner.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvanel {

// An output takes what orvanel-bank sends; an input gives what it receives.
enum class PortKind { Output, Input };

struct MidiPort {
  std::string system;  // "ALSA", "JACK"
  std::string name;
  std::size_t client;  // which of MidiPorts' clients lists it
};

class MidiError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One RtMidi client and the last error that it reported.
struct MidiClient;

// The ports of one kind on every MIDI system that is running, each system
// asked through a client of its own, which the connection then takes over:
// one client less to start and stop.
class MidiPorts {
 public:
  explicit MidiPorts(PortKind kind);
  ~MidiPorts();
  MidiPorts(const MidiPorts&) = delete;
  MidiPorts& operator=(const MidiPorts&) = delete;

  PortKind Kind() const { return kind_; }
  // The systems that answered, and their ports in that order. A system that
  // is not running is in neither.
  const std::vector<std::string>& Running() const { return running_; }
  const std::vector<MidiPort>& Ports() const { return ports_; }

 private:
  friend class MidiOutput;
  friend class MidiInput;
  // The client that lists `port`, for its connection; every other one closes.
  std::unique_ptr<MidiClient> Take(const MidiPort& port);

  PortKind kind_;
  std::vector<std::string> running_;
  std::vector<MidiPort> ports_;
  std::vector<std::unique_ptr<MidiClient>> clients_;  // by running system
};

class MidiOutput {
 public:
  // Connects orvanel-bank's own port `own_name` to `port`, one of `ports`'
  // outputs; MidiError when it has gone or cannot be reached.
  MidiOutput(MidiPorts& ports, const MidiPort& port, const std::string& own_name);
  ~MidiOutput();
  MidiOutput(const MidiOutput&) = delete;
  MidiOutput& operator=(const MidiOutput&) = delete;

  // One whole message, handed over at once; MidiError when it is refused.
  void Send(std::span<const std::uint8_t> message);
  // The port is still offered by its system.
  bool Present();
  // Disconnects at once, once what was sent has been handed on; nothing more
  // can be sent.
  void Close();

 private:
  std::unique_ptr<MidiClient> client_;
  MidiPort port_;
};

class MidiInput {
 public:
  // Called on the MIDI system's own thread with each whole message.
  using Receiver = std::function<void(std::span<const std::uint8_t>)>;

  // Connects `port`, one of `ports`' inputs, to orvanel-bank's own port
  // `own_name`, and hands every message that arrives to `receiver`: SysEx,
  // clock and active sensing too.
  MidiInput(MidiPorts& ports, const MidiPort& port, const std::string& own_name, Receiver receiver);
  ~MidiInput();
  MidiInput(const MidiInput&) = delete;
  MidiInput& operator=(const MidiInput&) = delete;

  // The port is still offered by its system.
  bool Present();

 private:
  static void Deliver(double seconds, std::vector<unsigned char>* message, void* input);

  Receiver receiver_;
  std::unique_ptr<MidiClient> client_;  // after the receiver: it goes first
  MidiPort port_;
};

}  // namespace orvanel
