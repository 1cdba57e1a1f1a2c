// The output editor's spacing rules: no run of half-width spaces, and no half-width space at
// the start of a line longer than two bytes. Giant text pasted to a bulletin board would lose
// such spaces anyway; the editor shows what the reader will get.
#pragma once

#include <string>

#include "conversion/OutputEditor.h"

namespace tarumo {

// `line` with every run of half-width spaces made one, then one leading half-width space
// dropped when the line is longer than 2 bytes. The full-width space is an ordinary character.
std::string ApplySpacingRulesToLine(std::string line);

// One run of the rules over the editor's lines from `firstLine` on (every line by default).
// Once a line has been changed, it and every later line are written back (in one replacement);
// the caret then goes back one position from where it stood and the editor takes the focus. Returns
// whether anything was changed. A caller that knows that only the lines from `firstLine` on can
// break the rules (the conversion appending a line) may start there; the result is the same.
bool ApplySpacingRules(OutputEditor& editor, int firstLine = 0);

}  // namespace tarumo
