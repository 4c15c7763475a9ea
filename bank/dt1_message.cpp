#include "bank/dt1_message.h"

#include <algorithm>

namespace orvanel {

std::uint8_t RolandChecksum(std::uint32_t address, std::span<const std::uint8_t> data) {
  unsigned sum = 0;
  for (const std::uint8_t byte : AddressBytes(address)) sum += byte;
  for (const std::uint8_t byte : data) sum += byte;
  return static_cast<std::uint8_t>((128 - sum % 128) % 128);
}

void AppendDt1(std::vector<std::uint8_t>& out, std::uint32_t address, std::span<const std::uint8_t> data,
               std::uint8_t device) {
  const auto a = AddressBytes(address);
  out.insert(out.end(), {SysexStart, RolandId, device, Jd800ModelId, DataSet1, a[0], a[1], a[2]});
  out.insert(out.end(), data.begin(), data.end());
  out.push_back(RolandChecksum(address, data));
  out.push_back(SysexEnd);
}

std::vector<std::uint8_t> Dt1Messages(std::uint32_t address, std::span<const std::uint8_t> bytes,
                                      std::uint8_t device) {
  std::vector<std::uint8_t> out;
  out.reserve(bytes.size() + (bytes.size() / MaxDt1Data + 1) * 10);
  for (std::size_t at = 0; at < bytes.size(); at += MaxDt1Data) {
    const std::size_t size = std::min(MaxDt1Data, bytes.size() - at);
    AppendDt1(out, address + static_cast<std::uint32_t>(at), bytes.subspan(at, size), device);
  }
  return out;
}

}  // namespace orvanel
