#include "conversion/CharacterKeys.h"

namespace tarumo {

std::string ToFullWidth(std::string_view line, const TextServices& text) {
  if (line.empty()) return {};
  return text.FoldFullWidth(line);
}

std::vector<std::string> SplitCharacterKeys(std::string_view folded, const TextServices& text) {
  std::vector<std::string> keys;
  std::size_t at = 0;
  while (at < folded.size()) {
    if (text.IsLeadByte(static_cast<unsigned char>(folded[at]))) {
      keys.emplace_back(folded.substr(at, 2));
      at += 2;
    } else {
      // Every single-byte character shares the empty key.
      keys.emplace_back();
      at += 1;
    }
  }
  return keys;
}

}  // namespace tarumo
