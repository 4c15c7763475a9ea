// libFuzzer target: any bytes, in any split, through the checker with the
// rules on. It must end, never crash and never read out of bounds.
#include <cstddef>
#include <cstdint>

#include "bank/sysex_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvanel::SysexCheck check(true);
  // The first byte chooses where the input is split, as reads may split it.
  const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
  check.Feed({data, split});
  check.Feed({data + split, size - split});
  check.Finish();
  return 0;
}
