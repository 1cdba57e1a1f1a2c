// The program's readings of integers from text. Each source has its own rule: the spacing box
// takes what the standard string-to-integer conversion takes, the settings files decimal or
// "0x" hexadecimal, the release date's fields plain decimal.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarumo {

// The standard string-to-integer conversion, for the spacing box: leading blanks, an optional
// sign, then decimal digits, or hexadecimal digits after "$", "0x" or "0X". Anything else, a
// trailing blank or a value outside the 32-bit range included, raises
// Error("'<text>' は整数ではありません").
std::int32_t StrToInt(std::string_view text);

// A decimal integer, for the fields of a date: an optional "-", then decimal digits, nothing
// else, within the 32-bit range. Raises the same error as StrToInt for any other text.
std::int32_t DecimalToInt(std::string_view text);

// A settings file's integer: an optional "-" and decimal digits, or "0x" or "0X" followed by
// hexadecimal digits, within the 32-bit range; nothing for any other text.
std::optional<std::int32_t> IniValueToInt(std::string_view text);

}  // namespace tarumo
