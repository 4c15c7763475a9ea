// The instrument's memory as a SysEx file rebuilds it: 21-bit addresses, each
// byte remembering which message and which file offset wrote it. Pages are
// made on first use, so a file costs memory by the addresses it touches, never
// by its size.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "bank/sysex_format.h"

namespace orvanel {

class AddressSpace {
 public:
  struct Byte {
    std::uint8_t value;
    std::uint64_t message;  // 0: never written
    std::uint64_t offset;   // in the file
  };

  Byte At(std::uint32_t address) const {
    const Page* page = pages_[address / PageSize].get();
    if (page == nullptr) return {0, 0, 0};
    const std::uint32_t i = address % PageSize;
    return {page->value[i], page->message[i], page->offset[i]};
  }

  bool Written(std::uint32_t address) const { return At(address).message != 0; }

  void Write(std::uint32_t address, const Byte& byte) {
    std::unique_ptr<Page>& page = pages_[address / PageSize];
    if (page == nullptr) page = std::make_unique<Page>();
    const std::uint32_t i = address % PageSize;
    page->value[i] = byte.value;
    page->message[i] = byte.message;
    page->offset[i] = byte.offset;
  }

  // The first address at or after `from` that is written (or not), or
  // AddressSpaceSize; pages never made are passed over whole.
  std::uint32_t NextWhere(bool written, std::uint32_t from) const {
    for (std::uint32_t address = from; address < AddressSpaceSize;) {
      if (pages_[address / PageSize] == nullptr) {
        if (!written) return address;
        address = (address / PageSize + 1) * PageSize;
      } else if (Written(address) == written) {
        return address;
      } else {
        ++address;
      }
    }
    return AddressSpaceSize;
  }

 private:
  static constexpr std::uint32_t PageSize = 4096;
  struct Page {
    std::array<std::uint8_t, PageSize> value{};
    std::array<std::uint64_t, PageSize> message{};
    std::array<std::uint64_t, PageSize> offset{};
  };
  std::array<std::unique_ptr<Page>, AddressSpaceSize / PageSize> pages_{};
};

}  // namespace orvanel
