// orvanel-bank generate FILE [--seed N] [--force]
// orvanel-bank generate FILE --from SOURCE[:PATCH] --amount PERCENT [--keep LOCKS] [--seed N] [--force]
#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "app/bank_tool.h"
#include "app/patch_file.h"
#include "bank/generate_command.h"
#include "bank/patch_variation.h"
#include "bank/sysex_writer.h"
#include "runtime/in_out_error.h"
#include "runtime/output_file.h"
#include "runtime/random.h"

namespace orvanel {
namespace {

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

std::optional<unsigned> ParseAmount(std::string_view text) {
  if (text.ends_with('%')) text.remove_suffix(1);
  const auto amount = ParseNumber<unsigned>(text);
  if (!amount || *amount > MaxAmount) return std::nullopt;
  return amount;
}

// LOCKS: names separated by commas, each a group or a tone letter.
std::optional<std::string> AddLocks(std::string_view text, PatchLocks& locks) {
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string_view name = text.substr(start, comma - start);
    const auto bytes = LockedBytes(name);
    if (!bytes) {
      std::string valid;
      for (const std::string_view lock : LockNames()) valid += (valid.empty() ? "" : ", ") + std::string(lock);
      return "--keep: no lock is called '" + std::string(name) + "'; the locks are " + valid;
    }
    locks |= *bytes;
    start = comma + 1;
  }
  return std::nullopt;
}

struct Variations {
  std::string from;
  std::optional<unsigned> amount;
  PatchLocks locks;
  bool keep_given = false;
};

// How many bytes of the source the rules do not allow, brought within them.
std::size_t BytesOutsideRules(const Source& source) {
  std::size_t count = 0;
  const auto count_patch = [&](const PatchImage& patch) {
    const PatchImage ruled = WithinRules(patch);
    for (std::size_t i = 0; i < PatchSize; ++i) count += ruled[i] != patch[i] ? 1 : 0;
  };
  if (source.patch) {
    count_patch(source.patch->image);
  } else {
    for (const FilePatch& patch : source.file.patches) count_patch(patch.image);
  }
  return count;
}

// Patch k of the source bank's slots, k = 1..64.
Bank BankOf(const PatchFile& file) {
  Bank bank{};
  for (std::size_t k = 1; k <= PatchCount; ++k) {
    const PatchImage& image = file.Slot(k - 1)->image;
    std::copy(image.begin(), image.end(), PatchOf(bank, k).begin());
  }
  return bank;
}

}  // namespace

int GenerateBankCommand(std::span<const std::string_view> arguments) {
  std::optional<std::string> path;
  std::optional<std::uint64_t> seed;
  bool force = false;
  Variations variations;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    const bool has_value = i + 1 < arguments.size();
    if (argument == "--force") {
      force = true;
    } else if (argument == "--seed") {
      if (!has_value || !(seed = ParseNumber<std::uint64_t>(arguments[++i]))) {
        return Complain("--seed takes a whole number from 0 to 18446744073709551615", ExitUsage);
      }
    } else if (argument == "--from") {
      if (!has_value) return Complain("--from takes FILE or FILE:PATCH", ExitUsage);
      variations.from = std::string(arguments[++i]);
    } else if (argument == "--amount") {
      if (!has_value || !(variations.amount = ParseAmount(arguments[++i]))) {
        return Complain("--amount takes a whole number of percent from 0 to 100", ExitUsage);
      }
    } else if (argument == "--keep") {
      if (!has_value) return Complain("--keep takes locks separated by commas", ExitUsage);
      if (const auto error = AddLocks(arguments[++i], variations.locks)) return Complain(*error, ExitUsage);
      variations.keep_given = true;
    } else if (argument.starts_with("-") && argument != "-") {
      return Complain("generate: unknown option '" + std::string(argument) + "'", ExitUsage);
    } else if (path) {
      return Complain("generate writes one FILE", ExitUsage);
    } else {
      path = std::string(argument);
    }
  }
  if (!path) return Complain("generate needs a FILE", ExitUsage);
  const bool varied = !variations.from.empty();
  if (!varied && (variations.amount || variations.keep_given)) {
    return Complain("--amount and --keep vary a patch: name it with --from", ExitUsage);
  }
  if (varied && !variations.amount) return Complain("generate --from needs --amount PERCENT", ExitUsage);

  Source source;
  if (varied) {
    source = ReadSource(variations.from, true);
    if (!source.error.empty()) return Complain(source.error, ExitUsage);
  }

  const std::uint64_t used = seed.value_or(ClockSeed());
  Bank bank{};
  RandSeed(used);
  if (!varied) {
    GenerateBank(bank);
  } else {
    const PatchVariation variation(*variations.amount, variations.locks);
    if (source.patch) {
      variation.FromPatch(source.patch->image, bank);
    } else {
      variation.FromBank(BankOf(source.file), bank);
    }
  }
  try {
    // Without --force the file is made new in the same step as it is
    // checked for, so a file that appears meanwhile is never replaced.
    WriteBank(*path, bank, force ? CreateMode::Replace : CreateMode::New);
  } catch (const EInOutError& error) {
    return ComplainAboutWrite(*path, error);
  }
  if (const std::size_t outside = varied ? BytesOutsideRules(source) : 0; outside != 0) {
    std::cerr << "orvanel-bank: " << variations.from << ": " << outside << " byte" << (outside == 1 ? "" : "s")
              << " outside Orvanel's rules, brought within them\n";
  }
  std::cout << "seed " << used << "\n";
  return ExitSound;
}

}  // namespace orvanel
