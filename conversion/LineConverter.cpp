#include "conversion/LineConverter.h"

#include <algorithm>

#include "conversion/BoardSize.h"
#include "conversion/CharacterKeys.h"
#include "fontwidths/ReaderFontWidths.h"

namespace tarumo {
namespace {

// The slot of a key in the table: 0 for the empty key, 1 to 256 for a lone byte, then one for
// every pair of bytes.
std::size_t SlotOf(std::string_view key) {
  if (key.empty()) return 0;
  const auto first = static_cast<unsigned char>(key[0]);
  if (key.size() == 1) return 1 + first;
  return 257 + (first << 8 | static_cast<unsigned char>(key[1]));
}

constexpr std::size_t kSlots = 257 + 65536;

}  // namespace

LineConverter::LineConverter(const GlyphLibrary& library, GlyphRowEncoder encode)
    : library_(library), encode_(std::move(encode)), glyphs_(kSlots) {}

LineConverter::~LineConverter() = default;

const Glyph* LineConverter::Find(std::string_view key) {
  auto& slot = glyphs_[SlotOf(key)];
  if (!slot) {
    std::optional<Glyph> glyph;
    if (const auto path = FindGlyphFile(library_.programFolder, key, library_.files)) {
      glyph.emplace();
      glyph->rows = ReadGlyphRows(*path, library_.files);
      for (int k = 0; k < 3; ++k) {
        std::string& row = glyph->rows[k];
        glyph->width = std::max(glyph->width, MeasureRow(row).dots);
        glyph->boardBytes[k] = BoardBytesOfLine(row);
        if (encode_) row = encode_(row);
      }
    }
    slot = std::make_unique<const std::optional<Glyph>>(std::move(glyph));
  }
  return *slot ? &**slot : nullptr;
}

void LineConverter::Convert(std::string_view line, GlyphRows& rows,
                            std::vector<std::string>& missing) {
  for (std::string& row : rows) row.clear();
  const std::string folded = ToFullWidth(line, library_.text);
  ForEachCharacterKey(folded, library_.text, [&](std::string_view key) {
    if (const Glyph* glyph = Find(key)) {
      for (int k = 0; k < 3; ++k) rows[k] += glyph->rows[k];
    } else {
      missing.emplace_back(key);
    }
  });
}

const std::vector<LineCharacter>& LineConverter::Characters(std::string_view line,
                                                            std::vector<std::string>& missing) {
  characters_.clear();
  folded_ = ToFullWidth(line, library_.text);
  std::size_t at = 0;
  ForEachCharacterKey(folded_, library_.text, [&](std::string_view key) {
    // A single-byte character's key is empty; the character is its byte.
    const std::string_view text =
        std::string_view(folded_).substr(at, std::max<std::size_t>(key.size(), 1));
    at += text.size();
    const Glyph* glyph = Find(key);
    if (!glyph) missing.emplace_back(key);
    characters_.push_back({text, glyph ? glyph->width : 0, glyph});
  });
  return characters_;
}

}  // namespace tarumo
