// The standard string-to-integer conversion of the program.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarumo {

// Reads a 32-bit signed integer: leading blanks, an optional sign, then decimal digits, or
// hexadecimal digits after "$", "0x" or "0X". Anything else, a trailing blank or a value
// outside the 32-bit range included, raises Error("'<text>' は整数ではありません").
std::int32_t StrToInt(std::string_view text);

}  // namespace tarumo
