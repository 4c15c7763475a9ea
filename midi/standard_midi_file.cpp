#include "midi/standard_midi_file.h"

#include <cassert>

namespace orvanel {
namespace {

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Seven bits a byte, most significant first, every byte but the last with
// its top bit set; at most four bytes, as the format allows.
void AppendVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
  int shift = 0;
  while (shift < 21 && (value >> (shift + 7)) != 0) shift += 7;
  for (; shift > 0; shift -= 7) out.push_back(static_cast<std::uint8_t>(0x80 | ((value >> shift) & 0x7F)));
  out.push_back(static_cast<std::uint8_t>(value & 0x7F));
}

std::uint32_t TickAtOrAfter(Microseconds time) {
  return static_cast<std::uint32_t>((time.count() + SmfTick.count() - 1) / SmfTick.count());
}

}  // namespace

std::vector<std::uint8_t> StandardMidiFile(std::span<const SysexMessage> messages,
                                           std::span<const Microseconds> departures) {
  assert(departures.size() == messages.size() + 1);
  std::vector<std::uint8_t> track = {0x00, 0xFF, 0x51, 0x03};
  AppendBigEndian(track, SmfTempo, 3);
  std::uint32_t tick = 0;
  const auto append_delta = [&](Microseconds departure) {
    const std::uint32_t at = TickAtOrAfter(departure);
    AppendVariableLength(track, at - tick);
    tick = at;
  };
  for (std::size_t i = 0; i < messages.size(); ++i) {
    // F0, the length of what follows it, then the rest of the message with its F7.
    append_delta(departures[i]);
    track.push_back(messages[i].front());
    AppendVariableLength(track, static_cast<std::uint32_t>(messages[i].size() - 1));
    track.insert(track.end(), messages[i].begin() + 1, messages[i].end());
  }
  append_delta(departures.back());
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
  AppendBigEndian(file, SmfTicksPerBeat, 2);
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  AppendBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

}  // namespace orvanel
