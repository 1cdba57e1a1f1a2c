#include "conversion/SpacingRules.h"

namespace tarumo {

std::string ApplySpacingRulesToLine(std::string line) {
  // Collapsing in one sweep gives what repeated "  " to " " replacement gives.
  std::string collapsed;
  collapsed.reserve(line.size());
  for (char c : line) {
    if (c == ' ' && !collapsed.empty() && collapsed.back() == ' ') continue;
    collapsed.push_back(c);
  }
  if (collapsed.size() > 2 && collapsed.front() == ' ') collapsed.erase(0, 1);
  return collapsed;
}

bool ApplySpacingRules(OutputEditor& editor, int firstLine) {
  const int count = editor.LineCount();
  const int caret = editor.CaretPosition();
  bool changed = false;
  for (int i = firstLine; i < count; ++i) {
    std::string line = editor.Line(i);
    std::string corrected = ApplySpacingRulesToLine(line);
    if (corrected != line) changed = true;
    // The changed flag is never reset: from the first change on, every line is written back.
    if (changed) editor.ReplaceLine(i, corrected);
  }
  if (changed) {
    editor.SetCaretPosition(caret - 1);
    editor.TakeFocus();
  }
  return changed;
}

}  // namespace tarumo
