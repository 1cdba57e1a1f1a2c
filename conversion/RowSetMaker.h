// An input line made into the row sets that are written for it: broken to a width by the
// row-set fitter, each row set's rows joined from its characters' glyphs and put through the
// spacing rules, with what a board counts of them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/BoardSize.h"
#include "conversion/GlyphFiles.h"
#include "conversion/LineConverter.h"
#include "conversion/RowSetFitter.h"

namespace tarumo {

struct RowSet {
  GlyphRows rows;  // through the spacing rules, in the converter's encoding
  BoardSize size;  // of the three rows alone, in code page 932, as a board counts them
};

class RowSetMaker {
 public:
  // Row sets at most `maxWidth` dots wide (0: no limit, one row set a line).
  RowSetMaker(LineConverter& converter, int maxWidth) : converter_(converter), fitter_(maxWidth) {}

  // The row sets of `line`, in order; the key of every character without a glyph, in the
  // line's order, is added to `missing`. A line that fits comes out as one row set, as the
  // window converts it. They hold until the next call.
  std::span<const RowSet> Make(std::string_view line, std::vector<std::string>& missing);

 private:
  LineConverter& converter_;
  RowSetFitter fitter_;
  std::vector<RowSet> rowSets_;  // kept, with their rows' storage, from line to line
};

}  // namespace tarumo
