#include "conversion/RowSetFinder.h"

#include <algorithm>

#include "fontwidths/ReaderFontWidths.h"

namespace tarumo {
namespace {

bool IsEmptyLine(std::string_view line) {
  return line.find_first_not_of(" \t\f") == std::string_view::npos;
}

}  // namespace

std::optional<FoundRowSet> RowSetFinder::TakeOpen() {
  std::optional<FoundRowSet> found;
  found.swap(open_);
  if (found) {
    anyFound_ = true;
    emptyLines_ = 0;
  }
  return found;
}

std::optional<FoundRowSet> RowSetFinder::Line(std::string_view line) {
  ++lineNumber_;
  if (IsEmptyLine(line)) {
    std::optional<FoundRowSet> found = TakeOpen();
    ++emptyLines_;
    return found;
  }
  if (!open_) {
    open_.emplace();
    open_->firstLine = lineNumber_;
    open_->spacingLines = anyFound_ ? emptyLines_ : 0;
  }
  open_->width = std::max(open_->width, MeasureRow(line).dots);
  open_->size.AddLine(BoardBytesOfLine(line));
  return open_->size.lines == 3 ? TakeOpen() : std::nullopt;
}

std::optional<FoundRowSet> RowSetFinder::Finish() {
  return TakeOpen();
}

}  // namespace tarumo
