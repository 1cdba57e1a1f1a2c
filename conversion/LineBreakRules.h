// Where a line of Japanese text may be broken, by the classes of its folded characters (code
// page 932 bytes): the marks that may not begin a row, those that may not end one, the ones a
// break after reads best, and the blanks that a break drops.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarumo {

// The classes below as bits, for a caller that weighs every break of a line: one look-up for
// each character.
enum BreakClass : std::uint8_t {
  kBlank = 1,
  kClosingMark = 2,
  kOpeningMark = 4,
  kPhraseEnd = 8,
};
std::uint8_t BreakClassesOf(std::string_view character);

// The half-width or the full-width space.
bool IsBlank(std::string_view character);

// 、。，．）」』】〕！？ー゛゜ and the small kana ぁぃぅぇぉっゃゅょァィゥェォッャュョ.
bool IsClosingMark(std::string_view character);

// （「『【〔
bool IsOpeningMark(std::string_view character);

// 、。，．！？: the ends of a phrase or a sentence.
bool IsPhraseEnd(std::string_view character);

}  // namespace tarumo
