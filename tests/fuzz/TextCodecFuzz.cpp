// The command-line converter's input and output encodings on any bytes: input is taken line by
// line or refused with the line it stopped at; what is taken is code page 932 that goes out
// again as the UTF-8 it came in as.
#include <cstdint>
#include <string>

#include "cli/TextCodec.h"
#include "common/TextLines.h"
#include "platform/posix/Cp932.h"
#include "tests/fuzz/FuzzCheck.h"

using tarumo::cli::Encoding;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const auto utf8 = tarumo::cli::DecodeInputLines(bytes, Encoding::kUtf8);
  if (utf8.error.empty()) {
    for (const std::string& line : utf8.lines) {
      FUZZ_CHECK(tarumo::Cp932ToUtf8(line).has_value());
      FUZZ_CHECK(tarumo::cli::IsValidUtf8(tarumo::cli::EncodeOutput(line, Encoding::kUtf8)));
    }
  } else {
    FUZZ_CHECK(utf8.error.rfind("line ", 0) == 0);
    FUZZ_CHECK(utf8.lines.empty());
  }
  // The validity test agrees with the system's converter.
  if (bytes.find_first_of("\r\n") == std::string_view::npos &&
      bytes.substr(0, 3) != "\xEF\xBB\xBF") {
    const bool iconvTakes = tarumo::Utf8ToCp932(bytes).has_value();
    if (iconvTakes) FUZZ_CHECK(tarumo::cli::IsValidUtf8(bytes));
  }

  const auto cp932 = tarumo::cli::DecodeInputLines(bytes, Encoding::kCp932);
  if (cp932.error.empty()) {
    FUZZ_CHECK(cp932.lines == tarumo::SplitLines(bytes));
    for (const std::string& line : cp932.lines) {
      FUZZ_CHECK(tarumo::cli::EncodeOutput(line, Encoding::kCp932) == line);
      FUZZ_CHECK(tarumo::cli::IsValidUtf8(tarumo::cli::EncodeOutput(line, Encoding::kUtf8)));
    }
  }
  return 0;
}
