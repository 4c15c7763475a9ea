// The bank core's costs: filling a bank, writing it, and the floor that the
// writer cannot beat, the same 288 write calls of bytes made ready beforehand.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <vector>

#include "bank/generate_command.h"
#include "bank/patch_listing.h"
#include "bank/patch_number.h"
#include "bank/patch_variation.h"
#include "bank/sysex_check.h"
#include "bank/sysex_writer.h"
#include "runtime/random.h"

namespace orvanel {
namespace {

std::string TempPath() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvanel-bench-XXXXXX").string();
    std::filesystem::path made = mkdtemp(pattern.data());
    std::atexit([] { std::filesystem::remove_all(folder); });
    return made;
  }();
  return (folder / "bank.syx").string();
}

Bank SampleBank() {
  Bank bank{};
  RandSeed(1);
  GenerateBank(bank);
  return bank;
}

void BM_GenerateBank(benchmark::State& state) {
  Bank bank{};
  RandSeed(1);
  for (auto _ : state) {
    GenerateBank(bank);
    benchmark::DoNotOptimize(bank.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_GenerateBank)->Unit(benchmark::kMicrosecond);

// A bank of variations by the amount given (range 0), against
// BM_GenerateBank: each patch of a source bank varied, or (range 1 = 1) 63
// variations of its first patch.
void BM_VaryBank(benchmark::State& state) {
  const Bank source = SampleBank();
  const PatchVariation variation(static_cast<unsigned>(state.range(0)), {});
  const bool from_patch = state.range(1) == 1;
  Bank bank{};
  RandSeed(2);
  for (auto _ : state) {
    if (from_patch) {
      variation.FromPatch(std::span(source).first<PatchSize>(), bank);
    } else {
      variation.FromBank(source, bank);
    }
    benchmark::DoNotOptimize(bank.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_VaryBank)
    ->ArgNames({"amount", "from_patch"})
    ->Args({5, 0})
    ->Args({30, 0})
    ->Args({100, 0})
    ->Args({30, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_WriteBank(benchmark::State& state) {
  const Bank bank = SampleBank();
  const std::string path = TempPath();
  for (auto _ : state) WriteBank(path, bank);
}
BENCHMARK(BM_WriteBank)->Unit(benchmark::kMicrosecond);

void BM_WriteFloor(benchmark::State& state) {
  const std::string path = TempPath();
  WriteBank(path, SampleBank());
  std::vector<char> file(SysexFileSize);
  const int in = open(path.c_str(), O_RDONLY);
  if (read(in, file.data(), file.size()) != static_cast<ssize_t>(file.size())) state.SkipWithError("read");
  close(in);
  for (auto _ : state) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    for (std::size_t block = 0; block < SysexBlockCount; ++block) {
      const char* b = file.data() + block * SysexBlockSize;
      benchmark::DoNotOptimize(write(fd, b, 8));
      benchmark::DoNotOptimize(write(fd, b + 8, SysexDataSize));
      benchmark::DoNotOptimize(write(fd, b + 8 + SysexDataSize, 2));
    }
    close(fd);
  }
}
BENCHMARK(BM_WriteFloor)->Unit(benchmark::kMicrosecond);

// What orvanel-bank check does with one bank file beyond starting up: read it
// in one piece, check it with the rules, list its patch names.
void BM_CheckBankFile(benchmark::State& state) {
  const std::string path = TempPath();
  WriteBank(path, SampleBank());
  std::vector<std::uint8_t> buffer(65536);
  for (auto _ : state) {
    SysexCheck check(true);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    for (ssize_t got; (got = read(fd, buffer.data(), buffer.size())) > 0;) {
      check.Feed({buffer.data(), static_cast<std::size_t>(got)});
    }
    close(fd);
    check.Finish();
    if (check.FaultCount() != 0 || check.CoveredPatches().size() != PatchCount) state.SkipWithError("not sound");
  }
}
BENCHMARK(BM_CheckBankFile)->Unit(benchmark::kMicrosecond);

// What orvanel-bank show --format tsv does with a bank beyond reading it:
// every parameter of 64 patches as rows, into one buffer.
void BM_ListBankTsv(benchmark::State& state) {
  const Bank bank = SampleBank();
  std::string out;
  for (auto _ : state) {
    out.assign(PatchTsvHeader);
    for (std::size_t slot = 0; slot < PatchCount; ++slot) {
      PatchImage patch;
      std::copy_n(bank.begin() + static_cast<std::ptrdiff_t>(slot * PatchSize), PatchSize, patch.begin());
      AppendPatchTsv(out, PatchNumber(slot), patch);
    }
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_ListBankTsv)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvanel

BENCHMARK_MAIN();
