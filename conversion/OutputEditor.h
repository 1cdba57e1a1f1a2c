// What the output spacing rules need of the output editor.
#pragma once

#include <string>
#include <vector>

namespace tarumo {

class OutputEditor {
 public:
  virtual ~OutputEditor() = default;

  // The number of lines; a line break at the very end of the text starts no further line.
  virtual int LineCount() = 0;
  virtual std::string Line(int index) = 0;
  // Replaces the texts of the lines from `first` on, one line for each of `texts`; their line
  // breaks stay.
  virtual void ReplaceLines(int first, const std::vector<std::string>& texts) = 0;
  // The selection start, in the editor's character positions.
  virtual int CaretPosition() = 0;
  // Puts the caret at `position` with nothing selected.
  virtual void SetCaretPosition(int position) = 0;
  virtual void TakeFocus() = 0;
};

}  // namespace tarumo
