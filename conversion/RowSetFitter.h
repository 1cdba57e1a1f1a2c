// Breaks a line's characters into row sets no wider than a width in the reader's font.
//
// Each row set takes as many characters as fit. A break after a blank or after 、。，．！？ is
// taken instead when there is one in the last third of what fits; no row set begins with a
// closing mark or ends with an opening one while a break elsewhere in what fits avoids it.
// Blanks at a break belong to neither row set: they are dropped; the line's leading blanks
// that do not fit are a row set of their own. A character wider than the width on its own
// stands alone, and a character without a glyph takes no width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "conversion/LineCharacter.h"

namespace tarumo {

// Characters [first, last) of a line.
struct CharacterRange {
  std::size_t first = 0;
  std::size_t last = 0;

  bool operator==(const CharacterRange&) const = default;
};

class RowSetFitter {
 public:
  // No row set wider than `maxWidth` dots; 0 for no limit (every line is one row set).
  explicit RowSetFitter(int maxWidth) : maxWidth_(maxWidth) {}

  // The row sets of `characters` in order: one empty range for an empty line, else ranges
  // that are not empty, with nothing but blanks between them and after the last. The
  // ranges stay valid until the next call. Linear in the characters.
  const std::vector<CharacterRange>& Fit(std::span<const LineCharacter> characters);

 private:
  int maxWidth_;
  std::vector<CharacterRange> ranges_;
  std::vector<std::uint8_t> classes_;  // of every character, as LineBreakRules gives them
  // For every break position p (before character p): the width of the characters before it,
  // where the row set before it ends and the next begins once the blanks around it are
  // dropped, and the last positions up to it where a break is allowed, and preferred.
  std::vector<std::int64_t> widthBefore_;
  std::vector<std::size_t> rowEnd_, nextStart_, lastAllowed_, lastPreferred_;
};

}  // namespace tarumo
