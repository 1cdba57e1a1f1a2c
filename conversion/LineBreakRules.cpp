#include "conversion/LineBreakRules.h"

#include <array>
#include <cstdint>

namespace tarumo {
namespace {

// The marks of each class, two bytes of code page 932 each.
constexpr std::string_view kClosingMarks =
    "、。，．）」』】〕！？ー゛゜ぁぃぅぇぉっゃゅょァィゥェォッャュョ";
constexpr std::string_view kOpeningMarks = "（「『【〔";
constexpr std::string_view kPhraseEnds = "、。，．！？";

unsigned CodeOf(std::string_view character) {
  return static_cast<unsigned char>(character[0]) << 8 | static_cast<unsigned char>(character[1]);
}

}  // namespace

std::uint8_t BreakClassesOf(std::string_view character) {
  static const auto table = [] {
    std::array<std::uint8_t, 1 << 16> classes{};
    const auto mark = [&](std::string_view marks, std::uint8_t bit) {
      for (std::size_t at = 0; at + 1 < marks.size(); at += 2) {
        classes[CodeOf(marks.substr(at, 2))] |= bit;
      }
    };
    mark("　", kBlank);
    mark(kClosingMarks, kClosingMark);
    mark(kOpeningMarks, kOpeningMark);
    mark(kPhraseEnds, kPhraseEnd);
    return classes;
  }();
  if (character.size() == 2) return table[CodeOf(character)];
  return character == " " ? kBlank : 0;
}

bool IsBlank(std::string_view character) {
  return BreakClassesOf(character) & kBlank;
}

bool IsClosingMark(std::string_view character) {
  return BreakClassesOf(character) & kClosingMark;
}

bool IsOpeningMark(std::string_view character) {
  return BreakClassesOf(character) & kOpeningMark;
}

bool IsPhraseEnd(std::string_view character) {
  return BreakClassesOf(character) & kPhraseEnd;
}

}  // namespace tarumo
