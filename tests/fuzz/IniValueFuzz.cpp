// Settings files of any text: reading a key and writing one never fails, a written value reads
// back, and every other line of the file survives the write.
#include <cstdint>
#include <string>

#include "common/TextLines.h"
#include "platform/posix/IniText.h"
#include "settings/IniInteger.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tarumo::fuzz::FuzzInput input(data, size);
  const std::string_view value = input.Take();
  const std::string_view text = input.Rest();

  const auto before = tarumo::FindIniValue(text, "CONFIG", "AutoUpdate");
  if (before) tarumo::IniInteger(*before, 2);
  tarumo::FindIniValue(text, "UPDATE", "Y");

  // What the program writes: "0" or "1"; and a value of any plain bytes.
  const std::string written = tarumo::WithIniValue(text, "CONFIG", "AutoUpdate", "1");
  FUZZ_CHECK(tarumo::FindIniValue(written, "CONFIG", "AutoUpdate") == "1");
  FUZZ_CHECK(tarumo::IniInteger(*tarumo::FindIniValue(written, "CONFIG", "AutoUpdate"), 2) == 1);
  // Every other line stays: the write only rewrites the key's line or adds lines.
  FUZZ_CHECK(tarumo::SplitLines(written).size() >= tarumo::SplitLines(text).size());
  if (before) FUZZ_CHECK(tarumo::SplitLines(written).size() == tarumo::SplitLines(text).size());

  const bool plain = !value.empty() && value.find_first_of("\r\n\"' \t") == std::string::npos;
  if (plain) {
    const std::string other = tarumo::WithIniValue(written, "Other", "key", value);
    FUZZ_CHECK(tarumo::FindIniValue(other, "Other", "key") == std::string(value));
    FUZZ_CHECK(tarumo::FindIniValue(other, "CONFIG", "AutoUpdate") == "1");
  }
  return 0;
}
