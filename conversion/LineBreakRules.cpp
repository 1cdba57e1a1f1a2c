#include "conversion/LineBreakRules.h"

#include <array>
#include <cstdint>

namespace tarumo {
namespace {

enum : std::uint8_t { kClosing = 1, kOpening = 2, kPhraseEnd = 4 };

// The marks of each class, two bytes of code page 932 each.
constexpr std::string_view kClosingMarks =
    "、。，．）」』】〕！？ー゛゜ぁぃぅぇぉっゃゅょァィゥェォッャュョ";
constexpr std::string_view kOpeningMarks = "（「『【〔";
constexpr std::string_view kPhraseEnds = "、。，．！？";

unsigned CodeOf(std::string_view character) {
  return static_cast<unsigned char>(character[0]) << 8 | static_cast<unsigned char>(character[1]);
}

// The classes of every double-byte code, looked up once per break the fitter weighs.
std::uint8_t ClassesOf(std::string_view character) {
  static const auto table = [] {
    std::array<std::uint8_t, 1 << 16> classes{};
    const auto mark = [&](std::string_view marks, std::uint8_t bit) {
      for (std::size_t at = 0; at + 1 < marks.size(); at += 2) {
        classes[CodeOf(marks.substr(at, 2))] |= bit;
      }
    };
    mark(kClosingMarks, kClosing);
    mark(kOpeningMarks, kOpening);
    mark(kPhraseEnds, kPhraseEnd);
    return classes;
  }();
  return character.size() == 2 ? table[CodeOf(character)] : 0;
}

}  // namespace

bool IsBlank(std::string_view character) {
  return character == " " || character == "　";
}

bool IsClosingMark(std::string_view character) {
  return ClassesOf(character) & kClosing;
}

bool IsOpeningMark(std::string_view character) {
  return ClassesOf(character) & kOpening;
}

bool IsPhraseEnd(std::string_view character) {
  return ClassesOf(character) & kPhraseEnd;
}

}  // namespace tarumo
