// The instrument's memory as a SysEx file rebuilds it: 21-bit addresses, each
// byte remembering which message and which file offset wrote it. Pages are
// made on first use, so a file costs memory by the addresses it touches, never
// by its size. Message numbers and offsets are kept in 32 bits: the checker
// reads no file past what a sound one can hold, far below 4 GiB.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <span>

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
    page->message[i] = static_cast<std::uint32_t>(byte.message);
    page->offset[i] = static_cast<std::uint32_t>(byte.offset);
  }

  // The first address at or after `from` that is written (or not), or
  // AddressSpaceSize; pages never made are passed over whole.
  std::uint32_t NextWhere(bool written, std::uint32_t from) const {
    for (std::uint32_t address = from; address < AddressSpaceSize;) {
      const Page* page = pages_[address / PageSize].get();
      const std::uint32_t page_end = (address / PageSize + 1) * PageSize;
      if (page == nullptr) {
        if (!written) return address;
        address = page_end;
        continue;
      }
      for (; address < page_end; ++address) {
        if ((page->message[address % PageSize] != 0) == written) return address;
      }
    }
    return AddressSpaceSize;
  }

  // Whether every address of first..first+count-1 is written.
  bool AllWritten(std::uint32_t first, std::uint32_t count) const {
    for (std::uint32_t address = first; address < first + count; ++address) {
      if (!Written(address)) return false;
    }
    return true;
  }

  // The values from `first` on into `out`, an address never written as 0;
  // `out` must end within the address space.
  void CopyValues(std::uint32_t first, std::span<std::uint8_t> out) const {
    for (std::size_t done = 0; done < out.size();) {
      const auto address = static_cast<std::uint32_t>(first + done);
      const std::uint32_t i = address % PageSize;
      const std::size_t count = std::min<std::size_t>(PageSize - i, out.size() - done);
      const Page* page = pages_[address / PageSize].get();
      if (page == nullptr) {
        std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(done), count, std::uint8_t{0});
      } else {
        std::copy_n(page->value.begin() + i, count, out.begin() + static_cast<std::ptrdiff_t>(done));
      }
      done += count;
    }
  }

 private:
  static constexpr std::uint32_t PageSize = 4096;
  struct Page {
    std::array<std::uint8_t, PageSize> value{};
    std::array<std::uint32_t, PageSize> message{};
    std::array<std::uint32_t, PageSize> offset{};
  };
  std::array<std::unique_ptr<Page>, AddressSpaceSize / PageSize> pages_{};
};

}  // namespace orvanel
