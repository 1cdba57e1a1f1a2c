// The three readings of integers on any text: a value or the program's error, never undefined
// arithmetic, and a value they give is one that their own decimal form gives back.
#include <cstdint>
#include <string>

#include "common/Error.h"
#include "common/StrToInt.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const std::int32_t value = tarumo::StrToInt(text);
    FUZZ_CHECK(tarumo::StrToInt(std::to_string(value)) == value);
  } catch (const tarumo::Error& error) {
    // The message quotes the text (as far as a C string can hold it).
    FUZZ_CHECK(std::string(error.what()).find(text.substr(0, text.find('\0'))) !=
               std::string::npos);
  }
  try {
    const std::int32_t value = tarumo::DecimalToInt(text);
    FUZZ_CHECK(tarumo::DecimalToInt(std::to_string(value)) == value);
    // The plain decimal form is one the box's conversion takes the same way.
    FUZZ_CHECK(tarumo::StrToInt(text) == value);
  } catch (const tarumo::Error&) {
  }
  if (const auto value = tarumo::IniValueToInt(text)) {
    FUZZ_CHECK(tarumo::IniValueToInt(std::to_string(*value)) == value);
  }
  return 0;
}
