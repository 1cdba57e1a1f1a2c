#include "cli/TextCoverage.h"

#include <algorithm>

#include "conversion/CharacterKeys.h"
#include "conversion/GlyphFiles.h"

namespace tarumo::cli {

std::vector<std::pair<std::string, std::int64_t>> TextCoverage::MostMissing(
    std::size_t count) const {
  std::vector<std::pair<std::string, std::int64_t>> ranked(missing.begin(), missing.end());
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  if (ranked.size() > count) ranked.resize(count);
  return ranked;
}

bool IsJapaneseKey(std::string_view key) {
  if (key.size() != 2) return false;
  const unsigned code =
      static_cast<unsigned char>(key[0]) << 8 | static_cast<unsigned char>(key[1]);
  return (code >= 0x8141 && code <= 0x81FC) ||  // marks and punctuation
         (code >= 0x829F && code <= 0x82F1) ||  // hiragana
         (code >= 0x8340 && code <= 0x8396) ||  // katakana
         (code >= 0x889F && code <= 0x9FFC) ||  // kanji, first level and second level
         (code >= 0xE040 && code <= 0xEAA4) ||
         (code >= 0xED40 && code <= 0xEEEC) ||  // kanji of the vendors' extensions
         (code >= 0xFA5C && code <= 0xFC4B);
}

TextCoverageCounter::TextCoverageCounter(std::string programFolder, const FileSystem& files,
                                         const TextServices& text)
    : programFolder_(std::move(programFolder)), files_(files), text_(text) {
  std::string ascii;
  for (char c = 0x21; c < 0x7F; ++c) ascii += c;
  for (std::string& key : SplitCharacterKeys(text_.FoldFullWidth(ascii), text_)) {
    asciiForms_.insert(std::move(key));
  }
}

void TextCoverageCounter::AddLine(std::string_view line) {
  const std::string folded = text_.FoldFullWidth(line);
  std::size_t at = 0;
  for (const std::string& key : SplitCharacterKeys(folded, text_)) {
    // A single-byte character keeps its byte in the folded line; its key is empty.
    const char byte = folded[at];
    at += key.empty() ? 1 : key.size();
    const bool blank = key == "　" || (key.empty() && static_cast<unsigned char>(byte) <= ' ');
    if (blank) continue;
    ++coverage_.characters;
    const bool japanese = IsJapaneseKey(key) && !asciiForms_.count(key);
    coverage_.japanese += japanese;
    if (HasGlyph(key)) {
      ++coverage_.drawn;
      coverage_.japaneseDrawn += japanese;
    } else {
      ++coverage_.missing[key];
    }
  }
}

bool TextCoverageCounter::HasGlyph(const std::string& key) {
  const auto known = hasGlyph_.find(key);
  if (known != hasGlyph_.end()) return known->second;
  const bool found = FindGlyphFile(programFolder_, key, files_).has_value();
  hasGlyph_.emplace(key, found);
  return found;
}

}  // namespace tarumo::cli
