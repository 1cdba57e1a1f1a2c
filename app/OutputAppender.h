// Lines appended at the end of the output editor by the conversion. While the appender knows
// that the editor is empty or ends with a line break (it emptied the editor, and only it has
// written since), a line goes in at the end without asking the control where that is: every
// such question costs time that grows with the text. Any other change of the text makes it
// ask again. While the conversion runs, PacedPainting paints the control.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tarumo {

class OutputAppender {
 public:
  explicit OutputAppender(HWND control) : control_(control) {}

  // The editor has just been emptied.
  void Cleared() { lines_ = 0; }
  // The text changed in another way: where its end is, is asked anew.
  void Forget() { lines_.reset(); }

  // Whether the next line goes in as a line of its own after a line break; otherwise the
  // editor ends in a line without one, which the next line's break ends first.
  bool EndKnown() const { return lines_.has_value(); }
  // The index of the last line as the control counts it, an empty last line included: where
  // the next line goes when the editor ends with a line break.
  int LastLineIndex() const;

  // Appends `line` as the new last line, ending with a line break.
  void Append(const std::string& line);

 private:
  HWND control_;
  std::optional<int> lines_;  // the number of lines, when the text is known to end with a break
};

}  // namespace tarumo
