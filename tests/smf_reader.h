// A Standard MIDI File read back, written here apart from the writer: the
// header, and every event of every track with its time in ticks.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvanel::testing {

struct SmfEvent {
  std::uint64_t tick;  // from the start of its track
  std::uint8_t status;  // F0 for SysEx, FF for meta, else the channel status
  std::uint8_t meta_type;  // for meta events
  std::vector<std::uint8_t> data;  // SysEx: everything after F0, F7 included
};

struct Smf {
  unsigned format = 0;
  unsigned ticks_per_beat = 0;
  std::vector<std::vector<SmfEvent>> tracks;
};

class SmfReader {
 public:
  explicit SmfReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  Smf Read() {
    Smf smf;
    Expect("MThd");
    if (Fixed(4) != 6) throw std::runtime_error("header length is not 6");
    smf.format = Fixed(2);
    const unsigned tracks = Fixed(2);
    smf.ticks_per_beat = Fixed(2);
    for (unsigned t = 0; t < tracks; ++t) smf.tracks.push_back(Track());
    if (at_ != bytes_.size()) throw std::runtime_error("bytes after the last track");
    return smf;
  }

 private:
  std::uint8_t Byte() {
    if (at_ >= bytes_.size()) throw std::runtime_error("the file ends early");
    return bytes_[at_++];
  }
  unsigned Fixed(int size) {
    unsigned value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | Byte();
    return value;
  }
  std::uint32_t Variable() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t byte = Byte();
      value = value << 7 | (byte & 0x7F);
      if ((byte & 0x80) == 0) return value;
    }
    throw std::runtime_error("a variable-length number of more than four bytes");
  }
  void Expect(const std::string& tag) {
    for (const char c : tag) {
      if (Byte() != static_cast<std::uint8_t>(c)) throw std::runtime_error("no " + tag + " chunk");
    }
  }
  std::vector<std::uint8_t> Take(std::size_t size) {
    if (bytes_.size() - at_ < size) throw std::runtime_error("an event runs past the end");
    std::vector<std::uint8_t> data(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
                                   bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + size));
    at_ += size;
    return data;
  }

  std::vector<SmfEvent> Track() {
    Expect("MTrk");
    const std::size_t length = Fixed(4);
    const std::size_t end = at_ + length;
    std::vector<SmfEvent> events;
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    bool ended = false;
    while (at_ < end) {
      if (ended) throw std::runtime_error("events after the end of the track");
      tick += Variable();
      std::uint8_t status = Byte();
      SmfEvent event{tick, status, 0, {}};
      if (status == 0xF0 || status == 0xF7) {
        event.data = Take(Variable());
      } else if (status == 0xFF) {
        event.meta_type = Byte();
        event.data = Take(Variable());
        ended = event.meta_type == 0x2F;
      } else {
        if (status < 0x80) {  // running status: this byte is data
          if (running == 0) throw std::runtime_error("running status without a status");
          --at_;
          status = event.status = running;
        }
        running = status;
        const std::uint8_t kind = status & 0xF0;
        event.data = Take(kind == 0xC0 || kind == 0xD0 ? 1 : 2);
      }
      events.push_back(std::move(event));
    }
    if (at_ != end) throw std::runtime_error("the track's last event runs past its length");
    if (!ended) throw std::runtime_error("no end of track");
    return events;
  }

  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_ = 0;
};

}  // namespace orvanel::testing
