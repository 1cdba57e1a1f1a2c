// When the output editor's selection is removed by the program rather than by the control.
//
// The rich edit control of Wine removes a selection run by run and finds each run by walking
// from the start of the text; giant text has a run for every stretch of one script (every
// full-width space starts one), so removing many lines far down the text takes time that grows
// with the product of the two: selecting 8,000 lines of giant text and pressing Delete took
// more than two minutes. The program can instead put the text that stays into a fresh control,
// which costs about what setting that text costs.
#pragma once

namespace tarumo {

// The lines that a removal of the selection touches and leaves, as the control counts lines.
struct SelectionLines {
  int first = 0;      // the line where the selection starts
  int last = 0;       // the line where it ends
  int remaining = 0;  // the lines that the text keeps
};

// Whether removing the selection by a fresh control holding the rest is the quicker way.
bool RemoveByFreshControl(const SelectionLines& lines);

}  // namespace tarumo
