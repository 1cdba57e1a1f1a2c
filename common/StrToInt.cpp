#include "common/StrToInt.h"

#include <cstdint>

#include "common/Error.h"

namespace tarumo {
namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

std::int32_t StrToInt(std::string_view text) {
  const auto fail = [&] { return Error(FormatText(messages::kNotAnInteger, text)); };

  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;

  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }

  int base = 10;
  if (at < text.size() && text[at] == '$') {
    base = 16;
    at += 1;
  } else if (text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X") {
    base = 16;
    at += 2;
  }

  if (at == text.size()) throw fail();

  // Accumulate the magnitude in 64 bits; one past INT32_MAX is still allowed for "-2147483648".
  constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
  std::int64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at], base);
    if (digit < 0) throw fail();
    magnitude = magnitude * base + digit;
    if (magnitude > kLimit) throw fail();
  }
  if (!negative && magnitude == kLimit) throw fail();
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace tarumo
