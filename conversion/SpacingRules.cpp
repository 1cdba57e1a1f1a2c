#include "conversion/SpacingRules.h"

namespace tarumo {

std::string ApplySpacingRulesToLine(std::string line) {
  // Most lines break no rule and go back as they came.
  if (line.find("  ") == std::string::npos && !(line.size() > 2 && line.front() == ' ')) {
    return line;
  }
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
  // From the first change on, every line is written back, changed or not: all of them in one
  // replacement, which costs the editor far less than one for every line.
  int firstChanged = count;
  std::vector<std::string> writtenBack;
  for (int i = firstLine; i < count; ++i) {
    const std::string line = editor.Line(i);
    std::string corrected = ApplySpacingRulesToLine(line);
    if (writtenBack.empty() && corrected == line) continue;
    if (writtenBack.empty()) firstChanged = i;
    writtenBack.push_back(std::move(corrected));
  }
  if (writtenBack.empty()) return false;
  editor.ReplaceLines(firstChanged, writtenBack);
  editor.SetCaretPosition(caret - 1);
  editor.TakeFocus();
  return true;
}

}  // namespace tarumo
