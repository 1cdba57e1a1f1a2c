// Integers of initialisation files, read with a default.
#pragma once

#include <string>
#include <string_view>

#include "platform/IniFiles.h"

namespace tarumo {

// `text` as an integer (decimal, or hexadecimal after "0x" or "0X" with at least one digit);
// `fallback` for an empty text or one that is no integer.
int IniInteger(std::string_view text, int fallback);

// The integer of `key` in `section` of the file at `path`; `fallback` when the file, section
// or key is missing or holds no integer.
int ReadIniInteger(IniFiles& ini, const std::string& path, const std::string& section,
                   const std::string& key, int fallback);

}  // namespace tarumo
