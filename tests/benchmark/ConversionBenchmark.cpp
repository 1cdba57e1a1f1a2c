// How long the conversion pass takes, and how its cost grows with the input.
//
//   scripts/benchmark.sh          (or build/native/tests/benchmark/conversion_benchmark)
//
// The input is lines of 40 characters drawn from 90 glyphs of a generated library (three rows
// of six full-width cells each, the size of a real glyph), one character in 40 without a glyph.
// The host takes the giant text as tarumo2-cli does, each line through the spacing rules.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "cli/StreamHost.h"
#include "conversion/ConversionPass.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTextServices.h"
#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

constexpr int kCharactersPerLine = 40;

// The keys with glyphs: ａ to ｚ, Ａ to Ｚ, and the hiragana from ぁ on.
std::vector<std::string> GlyphKeys() {
  std::vector<std::string> keys;
  for (int c = 0x81; c <= 0x9A; ++c) keys.push_back({'\x82', static_cast<char>(c)});
  for (int c = 0x60; c <= 0x79; ++c) keys.push_back({'\x82', static_cast<char>(c)});
  for (int c = 0x9F; c < 0x9F + 38; ++c) keys.push_back({'\x82', static_cast<char>(c)});
  return keys;
}

class Library {
 public:
  Library() : keys_(GlyphKeys()) {
    const std::string row = "┃　━━┓ ┃";
    for (const std::string& key : keys_) {
      const char* folder = key[1] >= '\x81' && key[1] <= '\x9A' ? "low\\"
                           : key[1] >= '\x60' && key[1] <= '\x79' ? "up\\"
                                                                  : "data\\";
      folder_.Write(std::string(folder) + key + ".txt", row + "\r\n" + row + "\r\n" + row + "\r\n");
    }
  }

  std::vector<std::string> Input(int lines) const {
    std::mt19937 random(42);
    std::uniform_int_distribution<std::size_t> pick(0, keys_.size() - 1);
    std::vector<std::string> input(lines);
    for (std::string& line : input) {
      for (int c = 0; c < kCharactersPerLine; ++c) {
        line += (c % 40 == 39) ? std::string("漢") : keys_[pick(random)];
      }
    }
    return input;
  }

  std::string ProgramFolder() const { return folder_.ProgramFolder(); }

 private:
  testing::TempFolder folder_;
  std::vector<std::string> keys_;
};

void BM_ConversionPass(benchmark::State& state) {
  static const Library library;
  const std::vector<std::string> input = library.Input(static_cast<int>(state.range(0)));
  const PosixFileSystem files;
  const PosixTextServices text;
  std::size_t bytes = 0;
  for (auto _ : state) {
    cli::StreamHost host(input, "1", [&](const std::string& line) { bytes += line.size() + 1; });
    RunConversionPass(host, {library.ProgramFolder(), files, text});
  }
  benchmark::DoNotOptimize(bytes);
  state.SetComplexityN(state.range(0));
  state.counters["lines"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_ConversionPass)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace tarumo

BENCHMARK_MAIN();
