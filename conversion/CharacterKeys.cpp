#include "conversion/CharacterKeys.h"

namespace tarumo {

std::string ToFullWidth(std::string_view line, const TextServices& text) {
  if (line.empty()) return {};
  return text.FoldFullWidth(line);
}

std::vector<std::string> SplitCharacterKeys(std::string_view folded, const TextServices& text) {
  std::vector<std::string> keys;
  ForEachCharacterKey(folded, text, [&](std::string_view key) { keys.emplace_back(key); });
  return keys;
}

}  // namespace tarumo
