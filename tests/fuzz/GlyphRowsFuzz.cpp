// Glyph files of any bytes: three rows or the program's own error, never a read past the end.
#include <cstdint>
#include <string>

#include "common/Error.h"
#include "conversion/GlyphFiles.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/OneFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto lines = tarumo::SplitGlyphText(bytes);
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
  }
  try {
    const tarumo::GlyphRows rows =
        tarumo::ReadGlyphRows("data\\x.txt", tarumo::fuzz::OneFile(bytes));
    FUZZ_CHECK(lines.size() >= 3);
    for (int k = 0; k < 3; ++k) FUZZ_CHECK(rows[k] == lines[k]);
  } catch (const tarumo::Error&) {
    FUZZ_CHECK(lines.size() < 3);
  }
  return 0;
}
