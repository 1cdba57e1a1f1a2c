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
  // The rules write back every line after the first one they change, most of them as they
  // were; only the lines between the first and the last that differ are replaced, as a long
  // replacement costs the control time that grows with its square (MemoOutControl.h).
  const std::vector<std::string>& lines = Lines();
  auto same = [&](std::size_t i) {
    const std::size_t line = static_cast<std::size_t>(first) + i;
    return line < lines.size() && lines[line] == texts[i];
  };
  std::size_t begin = 0;
  std::size_t end = texts.size();
  while (begin < end && same(begin)) ++begin;
  while (end > begin && same(end - 1)) --end;
  if (begin == end) return;
  ReplaceEditLines(control_, first + static_cast<int>(begin),
                   {texts.begin() + static_cast<std::ptrdiff_t>(begin),
                    texts.begin() + static_cast<std::ptrdiff_t>(end)});
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
