// The program folder: where the glyph library and the settings are found.
#pragma once

#include <string>
#include <string_view>

#include "platform/TextServices.h"

namespace tarumo {

// The folder part of `executablePath`, up to and including its last backslash; the empty text
// when it has none. A 0x5C byte that is the second byte of a double-byte character ("ソ",
// "表") is part of that character, not a backslash.
std::string ProgramFolderOf(std::string_view executablePath, const TextServices& text);

}  // namespace tarumo
