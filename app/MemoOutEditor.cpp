#include "app/MemoOutEditor.h"

#include "app/EditControl.h"

namespace tarumo {

int MemoOutEditor::LineCount() {
  return EditLineCount(control_);
}

std::string MemoOutEditor::Line(int index) {
  return EditLine(control_, index);
}

void MemoOutEditor::ReplaceLine(int index, const std::string& text) {
  ReplaceEditLine(control_, index, text);
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
