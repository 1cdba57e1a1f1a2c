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

// Calls `visit` with the key of every character of `folded`, in order, as SplitCharacterKeys
// gives them, without making a list of them.
template <typename Visit>
void ForEachCharacterKey(std::string_view folded, const TextServices& text, Visit&& visit) {
  std::size_t at = 0;
  while (at < folded.size()) {
    if (text.IsLeadByte(static_cast<unsigned char>(folded[at]))) {
      visit(folded.substr(at, 2));
      at += 2;
    } else {
      // Every single-byte character shares the empty key.
      visit(std::string_view());
      at += 1;
    }
  }
}

}  // namespace tarumo
