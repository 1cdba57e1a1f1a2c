// Last-Modified headers of any text, as a hostile server may send them: a date, no date, or the
// program's error; the stamps of any date a header can carry are made without overflow and
// keep the order of the dates.
#include <cstdint>
#include <string>

#include "common/Error.h"
#include "settings/ReleaseTime.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view header(reinterpret_cast<const char*>(data), size);
  try {
    const auto time = tarumo::ParseLastModified(header);
    FUZZ_CHECK(time.has_value() == (header.find("GMT") != std::string_view::npos));
    if (!time) return 0;
    FUZZ_CHECK(time->month >= 1 && time->month <= 12);
    tarumo::ReleaseTime later = *time;
    if (later.minute < INT32_MAX) {
      ++later.minute;
      FUZZ_CHECK(tarumo::Stamp(*time) < tarumo::Stamp(later));
    }
  } catch (const tarumo::Error&) {
    FUZZ_CHECK(header.find("GMT") != std::string_view::npos);
  }
  return 0;
}
