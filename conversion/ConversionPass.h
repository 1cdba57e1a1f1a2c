// The Convert command: the input editor's lines become giant text in the output editor.
#pragma once

#include <string>

#include "conversion/ConversionHost.h"
#include "conversion/LineConverter.h"

namespace tarumo {

// More spacing lines than this after one row set are refused: the box can be typed into
// freely, and a mistyped huge value would otherwise fill memory instead of the editor.
inline constexpr int kMaxSpacingLines = 1000;

// Runs one pass and returns the missing-glyph message that the second panel shows at its end
// (empty when every character had a glyph, or when the pass stopped early). Failures (a glyph
// file that is too short or cannot be read, a spacing text that is not an integer or is too
// large) raise Error before anything reaches the output.
std::string RunConversionPass(ConversionHost& host, const GlyphLibrary& library);

// The number of spacing lines that a text of the spacing box asks for: max(value, 0). Raises
// Error for a text that is not an integer or asks for more than kMaxSpacingLines.
int SpacingLines(const std::string& text);

// The progress text after output line `index` of `count` has been appended: "%3.1f%".
std::string ProgressText(int index, int count);

}  // namespace tarumo
