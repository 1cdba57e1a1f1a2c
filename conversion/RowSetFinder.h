// The row sets of a giant text that is already made, perhaps elsewhere or edited by hand, fed
// line by line (code page 932).
//
// Empty lines (nothing, or only half-width spaces, tabs and form feeds, as a board shows
// them) separate blocks, and a block is read as row sets of three lines, top to bottom:
// without spacing lines the row sets follow one another directly. The last one or two lines
// of a block that is not a multiple of three make a shorter row set. Empty lines before the
// first row set and after the last belong to none.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "conversion/BoardSize.h"

namespace tarumo {

struct FoundRowSet {
  std::int64_t firstLine = 0;     // counted from 1
  int width = 0;                  // in dots, of its widest line in the reader's font
  BoardSize size;                 // of its lines alone
  std::int64_t spacingLines = 0;  // the empty lines between it and the row set before
};

class RowSetFinder {
 public:
  // Takes the next line; gives the row set that it completes, if any.
  std::optional<FoundRowSet> Line(std::string_view line);
  // After the last line: the row set left open, if any.
  std::optional<FoundRowSet> Finish();

 private:
  std::optional<FoundRowSet> TakeOpen();

  std::int64_t lineNumber_ = 0;
  bool anyFound_ = false;
  std::int64_t emptyLines_ = 0;  // since the last row set ended
  std::optional<FoundRowSet> open_;
};

}  // namespace tarumo
