// Texts as the editor controls give them, and the rule that counts an editor's lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarumo {

// A line as EM_GETLINE copies it, without the line break that a rich edit copies along.
std::string_view WithoutLineBreak(std::string_view line);

// `text` with every line break as CR LF: a CR LF stays, a lone CR or a lone LF becomes CR LF.
std::string WithCrLfLineBreaks(std::string_view text);

// The lines of an editor's whole text: its line breaks are CR LF (a lone CR or LF is part of a
// line), and a last line that is empty does not count.
std::vector<std::string> SplitEditorLines(std::string_view text);

// The byte offset in an editor's whole text (its line breaks CR LF, code page 932) of the
// character `column` characters into line `line`, as the editor counts lines and characters;
// a column past the line's end stands at its end, and a line past the last at the text's end.
std::size_t ByteOffsetOf(std::string_view text, int line, int column);

// The number of lines of an editor that reports `reportedLines` (EM_GETLINECOUNT, which counts
// an empty last line): a last line that is empty does not count, so an empty editor has none.
int CountedLines(int reportedLines, bool lastLineEmpty);

}  // namespace tarumo
