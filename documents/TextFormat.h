// The text-file format of the program and the line rules of its editors.
//
// The lines of a text are the pieces between its line breaks (CR LF, a lone CR or a lone LF),
// without the breaks; an empty last line does not count, so "a\r\n" is one line, "\r\n" one
// empty line and "" none (SplitLines of common/TextLines.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarumo {

// Whether an editor with `text` holds text, that is, has at least one line.
bool HoldsText(std::string_view text);

// The text an editor gets from a file's bytes: every lone CR and every lone LF becomes CR LF.
std::string EditorTextOf(std::string_view fileBytes);

// The bytes of a text file of `lines`: each line followed by CR LF, the last one too.
std::string TextFileBytes(const std::vector<std::string>& lines);

}  // namespace tarumo
