#include "fontwidths/ReaderFontWidths.h"

#include "fontwidths/ReaderFontWidthTable.h"

namespace tarumo {
namespace {

using fontwidths::WidthEntry;

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

int LeadIndex(unsigned char lead) {
  return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F;
}

CharacterWidth FromEntry(const WidthEntry& entry) {
  CharacterWidth width;
  if (entry.bitmap == fontwidths::kNotCp932) {
    width.kind = CharacterWidth::Kind::kNotCp932;
  } else if (entry.bitmap == fontwidths::kNotInFont) {
    width.kind = CharacterWidth::Kind::kNotInFont;
  } else {
    width.kind = CharacterWidth::Kind::kDots;
    width.bitmap = entry.bitmap;
    width.outline = entry.outline;
  }
  return width;
}

}  // namespace

std::size_t CharacterLength(std::string_view text) {
  return text.size() >= 2 && IsLeadByte(static_cast<unsigned char>(text[0])) ? 2 : 1;
}

CharacterWidth WidthOfCharacter(std::string_view character) {
  if (character.size() == 1) {
    return FromEntry(fontwidths::kSingleByteWidths[static_cast<unsigned char>(character[0])]);
  }
  if (character.size() != 2) return {};
  const auto lead = static_cast<unsigned char>(character[0]);
  const auto trail = static_cast<unsigned char>(character[1]);
  if (!IsLeadByte(lead) || trail < 0x40 || trail > 0xFC) return {};
  return FromEntry(fontwidths::kDoubleByteWidths[LeadIndex(lead)][trail - 0x40]);
}

RowWidth MeasureRow(std::string_view row) {
  RowWidth result;
  for (std::size_t at = 0; at < row.size();) {
    const std::size_t length = CharacterLength(row.substr(at));
    const std::string_view character = row.substr(at, length);
    const CharacterWidth width = WidthOfCharacter(character);
    if (width.kind == CharacterWidth::Kind::kDots) result.dots += width.bitmap;
    if (!width.IsCertain()) {
      result.unmeasured.push_back({at, std::string(character), width});
    }
    at += length;
  }
  return result;
}

}  // namespace tarumo
