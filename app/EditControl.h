// Reading and writing the text of an edit or rich edit control through its messages.
//
// Positions are the control's own character positions; texts are code page 932 bytes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tarumo {

// The whole text, as WM_GETTEXT gives it.
std::string WindowText(HWND control);

// The number of lines; an empty last line does not count.
int EditLineCount(HWND control);

// Every line, read from the whole text at once: asking for each line costs time that grows
// with the text.
std::vector<std::string> EditLines(HWND control);

// The text of line `index`, without its line break.
std::string EditLine(HWND control, int index);

// Replaces the texts of the lines from `first` on, one line for each of `texts`, with one
// replacement of the control's text; the line breaks stay.
void ReplaceEditLines(HWND control, int first, const std::vector<std::string>& texts);

// The index of the last line as the control reports it, an empty last line included.
int LastLineIndex(HWND control);

// Appends `text` as the new last line, ending with a line break; a last line that does not yet
// end with one gets it first. Returns the index of the new line.
int AppendEditLine(HWND control, const std::string& text);

// The start of the selection.
int SelectionStart(HWND control);

// The selection of a rich edit: its start and its end.
struct Selection {
  int start;
  int end;
};
Selection RichEditSelection(HWND control);

// The line that position `position` of a rich edit lies in.
int RichEditLineAt(HWND control, int position);

// The position where line `index` starts.
int LineStart(HWND control, int index);

// Puts the caret at `position`, with nothing selected.
void PlaceCaret(HWND control, int position);

}  // namespace tarumo
