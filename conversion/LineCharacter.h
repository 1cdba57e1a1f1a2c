// A character of an input line as the converter cuts it, with its glyph: what the row-set
// fitter breaks a line by and what row sets are joined from.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "conversion/GlyphFiles.h"

namespace tarumo {

// A glyph as the converter holds it for a pass.
struct Glyph {
  GlyphRows rows;  // in the encoding the converter hands them out in
  // The bitmap width in dots of the widest row in the reader's font, as read from the file.
  int width = 0;
  // What a board counts of each row as read (code page 932): encoding the rows for the output
  // does not change what the board will count once they are pasted.
  std::array<std::int64_t, 3> boardBytes{};
};

struct LineCharacter {
  std::string_view text;  // the folded character's bytes: the marks are compared in this form
  int width = 0;          // its glyph's width in dots; 0 without a glyph
  const Glyph* glyph = nullptr;  // nullptr when its key has no glyph
};

}  // namespace tarumo
