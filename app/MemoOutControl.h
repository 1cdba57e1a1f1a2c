// The output editor's control, made when the window is made and made afresh to be emptied.
//
// Emptying a rich edit that holds a long giant text costs time that grows with the square of
// the text under Wine: its rich edit splits every line into a run per stretch of one script
// (the full-width spaces between the strokes start a new one), deletes run by run, and finds
// each run by walking from the start of the text. After 8,000 lines of giant text one
// WM_SETTEXT of "" took 40 s and more, while destroying the control and making a fresh one
// takes a few hundredths of a second. So the program empties the output editor by putting a
// fresh control in the old one's place.
#pragma once

#include <windows.h>

namespace tarumo {

// A rich edit of the first version with the output editor's styles, as a child of `parent`
// with the command id `id` at `place` (in the parent's client coordinates), set up as the giant
// text needs it: no limit on the length, no wrapping, a change notification for every change,
// typed double-byte characters taken whole, no drop target of its own, and `font`. Raises
// Error when the control cannot be made.
HWND CreateMemoOutControl(HWND parent, int id, const RECT& place, HFONT font);

// A fresh, empty control made like `control` and put in its place: the same bounds, and the
// same place among its siblings (so the tab order stays). The old control is left to the caller
// to destroy, once whatever held it holds the fresh one.
HWND CreateEmptyMemoOutLike(HWND control, HFONT font);

}  // namespace tarumo
