#include "app/OutputAppender.h"

#include <richedit.h>

#include "app/EditControl.h"

namespace tarumo {

int OutputAppender::LastLineIndex() const {
  return lines_ ? *lines_ : tarumo::LastLineIndex(control_);
}

void OutputAppender::Append(const std::string& line) {
  if (lines_) {
    // The caret goes to the end, where the last line left it unless the user moved it: placing
    // it costs time that grows with the text, asking where it is does not. The text's length
    // counts every character (a count in bytes would lie past the end, which the control takes
    // as the end).
    const LRESULT end = ::SendMessageA(control_, WM_GETTEXTLENGTH, 0, 0);
    CHARRANGE selection{};
    ::SendMessageA(control_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    if (selection.cpMin != end || selection.cpMax != end) {
      ::SendMessageA(control_, EM_SETSEL, end, end);
    }
    // Not undoable, like every change the program itself makes.
    ::SendMessageA(control_, EM_REPLACESEL, FALSE,
                   reinterpret_cast<LPARAM>((line + "\r\n").c_str()));
    lines_ = *lines_ + 1;
  } else {
    lines_ = AppendEditLine(control_, line) + 1;
  }
}

}  // namespace tarumo
