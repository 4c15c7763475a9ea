// What `--keep` holds still in a variation: the groups of the parameter table
// (in every tone block, for a tone parameter) and whole tone blocks A to D.
#pragma once

#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bank/bank.h"

namespace orvanel {

// One bit a patch byte: set for a byte that keeps the source's value.
using PatchLocks = std::bitset<PatchSize>;

// The names a lock goes by: the groups in the table's order, then A, B, C, D.
std::vector<std::string_view> LockNames();

// The bytes the lock `name` holds; nothing for a name that is no lock. A tone
// letter may be lower case.
std::optional<PatchLocks> LockedBytes(std::string_view name);

}  // namespace orvanel
