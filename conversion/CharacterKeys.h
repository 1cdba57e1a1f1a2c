// From an input line to the keys of its characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/TextServices.h"

namespace tarumo {

// The full-width folding of `line`; the empty text when it cannot be mapped.
std::string ToFullWidth(std::string_view line, const TextServices& text);

// One key per character of `folded`, in order: the two bytes of a double-byte character (the
// lead byte alone when the line ends after it), the empty key for a single-byte character.
std::vector<std::string> SplitCharacterKeys(std::string_view folded, const TextServices& text);

}  // namespace tarumo
