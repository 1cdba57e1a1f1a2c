// Conversions between code page 932 and UTF-8 for the edges of the web page's module, from
// tables of the build machine's iconv: they give what the POSIX programs' iconv gives.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarumo::web {

// The UTF-8 form of code page 932 bytes, or nothing when they are not valid code page 932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// The code page 932 form of UTF-8 text, or nothing when it is not valid UTF-8 or holds a
// character that code page 932 cannot hold.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

}  // namespace tarumo::web
