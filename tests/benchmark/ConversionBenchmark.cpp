// How fast the converter runs, how its cost grows with the input, and how far it is from the
// machine's limit:
//
//   scripts/benchmark.sh          (or build/native/tests/benchmark/conversion_benchmark)
//
// The input is lines of 40 characters drawn from 90 glyphs of a generated library (three rows
// of six full-width cells each, the size of a real glyph), one character in 40 without a glyph.
// BM_Convert runs tarumo2-cli's conversion on it (UTF-8 in and out, one spacing line) and
// reports input characters and output bytes per second; BM_MemoryCopy copies as many bytes as
// the conversion writes, the speed no converter of this output can pass.
#include <benchmark/benchmark.h>

#include <cstring>
#include <ostream>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/ConvertCommand.h"
#include "platform/posix/Cp932.h"
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
      const char* folder = key[1] >= '\x81' && key[1] <= '\x9A'   ? "low\\"
                           : key[1] >= '\x60' && key[1] <= '\x79' ? "up\\"
                                                                  : "data\\";
      folder_.Write(std::string(folder) + key + ".txt", row + "\r\n" + row + "\r\n" + row + "\r\n");
    }
  }

  // The input in UTF-8, as the converter reads it.
  std::string Input(int lines) const {
    std::mt19937 random(42);
    std::uniform_int_distribution<std::size_t> pick(0, keys_.size() - 1);
    std::string input;
    for (int i = 0; i < lines; ++i) {
      std::string line;
      for (int c = 0; c < kCharactersPerLine; ++c) {
        line += (c % 40 == 39) ? std::string("漢") : keys_[pick(random)];
      }
      input += *Cp932ToUtf8(line) + "\n";
    }
    return input;
  }

  std::string Folder() const { return folder_.path().string(); }

 private:
  testing::TempFolder folder_;
  std::vector<std::string> keys_;
};

// An output that only counts what it is given.
class CountingBuffer : public std::streambuf {
 public:
  std::size_t count = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count += static_cast<std::size_t>(n);
    return n;
  }
  int_type overflow(int_type c) override {
    ++count;
    return c;
  }
};

void BM_Convert(benchmark::State& state) {
  static const Library library;
  const int lines = static_cast<int>(state.range(0));
  const std::string input = library.Input(lines);
  cli::ConvertOptions options;
  options.glyphFolder = library.Folder();
  std::size_t written = 0;
  for (auto _ : state) {
    std::istringstream in(input);
    CountingBuffer counted;
    std::ostream out(&counted), err(&counted);
    cli::RunConvert(options, in, out, err);
    written = counted.count;
  }
  state.SetComplexityN(lines);
  state.SetItemsProcessed(state.iterations() * lines * kCharactersPerLine);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * written));
  state.counters["output MB"] = static_cast<double>(written) / 1e6;
}

void BM_MemoryCopy(benchmark::State& state) {
  static const Library library;
  // As many bytes as the conversion of as many lines writes.
  std::size_t bytes = 0;
  {
    const std::string input = library.Input(static_cast<int>(state.range(0)));
    cli::ConvertOptions options;
    options.glyphFolder = library.Folder();
    std::istringstream in(input);
    CountingBuffer counted;
    std::ostream out(&counted), err(&counted);
    cli::RunConvert(options, in, out, err);
    bytes = counted.count;
  }
  const std::vector<char> from(bytes, 'x');
  std::vector<char> to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

BENCHMARK(BM_Convert)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK(BM_MemoryCopy)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarumo

BENCHMARK_MAIN();
