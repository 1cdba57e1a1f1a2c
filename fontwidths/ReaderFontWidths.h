// Widths of code page 932 text in the reader's font, "ＭＳ Ｐゴシック" at 12 pt (16 dots per em),
// as the metric-compatible Mona font gives them. The table is made from the font when the
// program is built, so measuring needs no font at run time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarumo {

struct CharacterWidth {
  enum class Kind {
    kDots,       // the widths below hold
    kNotInFont,  // a code page 932 character the font has no glyph for (control characters too)
    kNotCp932,   // bytes that are no character of code page 932
  };
  Kind kind = Kind::kNotCp932;
  int bitmap = 0;   // from the font's 16 px bitmaps: what GDI lays out on Windows
  int outline = 0;  // from its outlines: what a renderer without the bitmaps lays out

  // Whether every renderer gives the character the same width.
  bool IsCertain() const { return kind == Kind::kDots && bitmap == outline; }
};

// The width of one character: one byte, or a lead byte and its trail byte.
CharacterWidth WidthOfCharacter(std::string_view character);

// The byte length of the character that starts `text` (not empty): 2 for a lead byte with a
// byte after it, else 1.
std::size_t CharacterLength(std::string_view text);

// A character of a row that cannot be measured with certainty.
struct UnmeasuredCharacter {
  std::size_t offset;    // in bytes from the start of the row
  std::string bytes;     // the character's bytes
  CharacterWidth width;  // why: not code page 932, not in the font, or uncertain
};

struct RowWidth {
  int dots = 0;  // the sum of the bitmap widths of the characters that have one
  std::vector<UnmeasuredCharacter> unmeasured;
};

// The width of a row of code page 932 text as Windows lays it out.
RowWidth MeasureRow(std::string_view row);

}  // namespace tarumo
