#include "common/StrToInt.h"

#include "common/Error.h"

namespace tarumo {
namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

// The value of `digits` (at least one, nothing else) in `base` with the sign given, when it
// lies in the 32-bit range.
std::optional<std::int32_t> ReadDigits(std::string_view digits, int base, bool negative) {
  if (digits.empty()) return std::nullopt;
  // The magnitude may reach one past INT32_MAX, for "-2147483648".
  constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
  std::int64_t magnitude = 0;
  for (const char c : digits) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > kLimit) return std::nullopt;
  }
  if (!negative && magnitude == kLimit) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (text.substr(0, prefix.size()) != prefix) return false;
  text.remove_prefix(prefix.size());
  return true;
}

Error NotAnInteger(std::string_view text) {
  return Error(FormatText(messages::kNotAnInteger, text));
}

}  // namespace

std::int32_t StrToInt(std::string_view text) {
  std::string_view rest = text;
  while (TakePrefix(rest, " ")) {
  }
  const bool negative = TakePrefix(rest, "-");
  if (!negative) TakePrefix(rest, "+");
  const bool hexadecimal =
      TakePrefix(rest, "$") || TakePrefix(rest, "0x") || TakePrefix(rest, "0X");
  const auto value = ReadDigits(rest, hexadecimal ? 16 : 10, negative);
  if (!value) throw NotAnInteger(text);
  return *value;
}

std::int32_t DecimalToInt(std::string_view text) {
  std::string_view rest = text;
  const bool negative = TakePrefix(rest, "-");
  const auto value = ReadDigits(rest, 10, negative);
  if (!value) throw NotAnInteger(text);
  return *value;
}

std::optional<std::int32_t> IniValueToInt(std::string_view text) {
  std::string_view rest = text;
  if (TakePrefix(rest, "0x") || TakePrefix(rest, "0X")) return ReadDigits(rest, 16, false);
  const bool negative = TakePrefix(rest, "-");
  return ReadDigits(rest, 10, negative);
}

}  // namespace tarumo
