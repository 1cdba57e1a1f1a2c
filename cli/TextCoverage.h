// How much of a text a glyph library can draw: the share of its non-blank characters that
// have a glyph, and which characters are missing most often, so that a glyph maker can aim at
// what people write.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextServices.h"

namespace tarumo::cli {

struct TextCoverage {
  std::int64_t characters = 0;  // non-blank characters
  std::int64_t drawn = 0;       // of those, the ones with a glyph
  std::int64_t japanese = 0;    // kana, kanji and Japanese marks (see IsJapaneseKey)
  std::int64_t japaneseDrawn = 0;
  std::int64_t notCp932 = 0;  // characters that code page 932 cannot hold: never drawn
  std::map<std::string, std::int64_t> missing;  // key (code page 932) → occurrences

  // The `count` keys missing most often, most frequent first; ties in code order.
  std::vector<std::pair<std::string, std::int64_t>> MostMissing(std::size_t count) const;
};

// Whether a character key is Japanese: hiragana, katakana, a kanji, or one of the marks and
// punctuation of code page 932's first row (the ideographic space excluded). The counter
// leaves out the full-width forms of ASCII characters, which the folding makes of plain ASCII.
bool IsJapaneseKey(std::string_view key);

// Counts the characters of text, line by line, looked up as the conversion looks them up:
// folded to full width, then found in `ext` or in their class folder.
class TextCoverageCounter {
 public:
  TextCoverageCounter(std::string programFolder, const FileSystem& files, const TextServices& text);

  // One line of code page 932 text.
  void AddLine(std::string_view line);
  // A character that code page 932 cannot hold, met while the text was decoded.
  void AddCharacterOutsideCp932() { ++coverage_.characters, ++coverage_.notCp932; }

  const TextCoverage& Coverage() const { return coverage_; }

 private:
  bool HasGlyph(const std::string& key);

  std::string programFolder_;
  const FileSystem& files_;
  const TextServices& text_;
  std::map<std::string, bool> hasGlyph_;  // every key is looked up once
  std::set<std::string> asciiForms_;      // the full-width forms of printable ASCII
  TextCoverage coverage_;
};

}  // namespace tarumo::cli
