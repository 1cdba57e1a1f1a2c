#include "app/MemoOutEditor.h"

#include "app/EditControl.h"
#include "common/TextLines.h"

namespace tarumo {

const std::vector<std::string>& MemoOutEditor::Lines() {
  if (!lines_) lines_ = SplitLines(WindowText(control_));
  return *lines_;
}

int MemoOutEditor::LineCount() {
  return static_cast<int>(Lines().size());
}

std::string MemoOutEditor::Line(int index) {
  return Lines().at(index);
}

void MemoOutEditor::ReplaceLines(int first, const std::vector<std::string>& texts) {
  ReplaceEditLines(control_, first, texts);
  lines_.reset();  // read afresh if asked again
}

int MemoOutEditor::CaretPosition() {
  return SelectionStart(control_);
}

void MemoOutEditor::SetCaretPosition(int position) {
  // The control takes -1 as "no selection" and would leave the caret where it is.
  PlaceCaret(control_, position < 0 ? 0 : position);
}

void MemoOutEditor::TakeFocus() {
  ::SetFocus(control_);
}

}  // namespace tarumo
