// The rules of initialisation files, on the file's text.
//
// A line "[name]" starts a section; a line "key=value" below it sets a key. Names match without
// regard to ASCII case, blanks around names and values do not count, and one pair of quotes
// (double or single) around a value is not part of it. Lines starting with ";" are comments.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarumo {

// The value of `key` in the first section named `section`, or nothing.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// `text` with `key` of `section` set to `value`: the key's line rewritten in place, or a new
// line after the section's last entry, or a new section at the end. Every other byte stays.
std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace tarumo
