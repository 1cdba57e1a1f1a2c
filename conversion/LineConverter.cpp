#include "conversion/LineConverter.h"

#include "conversion/CharacterKeys.h"

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

const std::optional<GlyphRows>& LineConverter::Glyph(std::string_view key) {
  auto& slot = glyphs_[SlotOf(key)];
  if (!slot) {
    std::optional<GlyphRows> rows;
    if (const auto path = FindGlyphFile(library_.programFolder, key, library_.files)) {
      rows = ReadGlyphRows(*path, library_.files);
      if (encode_) {
        for (std::string& row : *rows) row = encode_(row);
      }
    }
    slot = std::make_unique<const std::optional<GlyphRows>>(std::move(rows));
  }
  return *slot;
}

void LineConverter::Convert(std::string_view line, GlyphRows& rows,
                            std::vector<std::string>& missing) {
  for (std::string& row : rows) row.clear();
  const std::string folded = ToFullWidth(line, library_.text);
  ForEachCharacterKey(folded, library_.text, [&](std::string_view key) {
    if (const auto& glyph = Glyph(key)) {
      for (int k = 0; k < 3; ++k) rows[k] += (*glyph)[k];
    } else {
      missing.emplace_back(key);
    }
  });
}

}  // namespace tarumo
