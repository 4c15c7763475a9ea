#include "bank/sysex_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "bank/sysex_format.h"
#include "runtime/output_file.h"

namespace orvanel {
namespace {

// The block about to be written. Nothing in it outlives a call in any way that
// matters: WriteBank resets it first.
struct WriterState {
  const std::uint8_t* bank = nullptr;
  std::array<std::uint8_t, 8> header{};
  std::array<std::uint8_t, 2> trailer{};
  std::int32_t linear_address = 0;
  std::int32_t checksum = 0;
  std::int32_t data_offset = 0;
};

WriterState state;

void SetAddressBytes() {
  const auto bytes = AddressBytes(static_cast<std::uint32_t>(state.linear_address));
  std::copy(bytes.begin(), bytes.end(), state.header.begin() + 5);
}

// Roland's checksum: the value that brings address + data to a multiple of 128.
void SysexChecksum() {
  std::int32_t sum = state.header[5] + state.header[6] + state.header[7];
  const std::uint8_t* data = state.bank + state.data_offset;
  for (std::size_t i = 0; i < SysexDataSize; ++i) sum += data[i];
  state.checksum = 128 - sum % 128;
  if (state.checksum == 128) state.checksum = 0;
  state.trailer = {static_cast<std::uint8_t>(state.checksum), SysexEnd};
}

void NextSysexBlock() {
  state.data_offset += SysexDataSize;
  state.linear_address += SysexDataSize;
  SetAddressBytes();
}

void WriteSysexBlock(OutputFile& file) {
  SysexChecksum();
  file.Write(state.header);
  file.Write({state.bank + state.data_offset, SysexDataSize});
  file.Write(state.trailer);
  NextSysexBlock();
}

}  // namespace

void WriteBank(const std::string& path, const Bank& bank, CreateMode mode) {
  state.bank = bank.data();
  state.data_offset = 0;
  state.linear_address = static_cast<std::int32_t>(BankBaseAddress);
  state.header = {SysexStart, RolandId, DeviceId, Jd800ModelId, DataSet1, 0, 0, 0};
  SetAddressBytes();

  OutputFile file(path, mode);
  for (std::size_t block = 0; block < SysexBlockCount; ++block) WriteSysexBlock(file);
  file.Close();
}

}  // namespace orvanel
