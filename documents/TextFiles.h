// Loading a text file into an editor and writing lines to a text file.
#pragma once

#include <string>
#include <vector>

#include "documents/TextEditor.h"
#include "platform/FileSystem.h"
#include "platform/FileWriter.h"

namespace tarumo {

// An editor takes its text up to a NUL byte and would lose the rest without a word, so such a
// file is refused whole.
inline constexpr const char* kFileHoldsNul = "ファイル %s は NUL バイトを含むので開けません";

// Loads the file at `path` into `editor`, its line breaks made CR LF. An editor that already
// holds exactly that text is left alone. Raises Error("ファイル <path> は開けません") when the
// file cannot be read, Error(kFileHoldsNul) for a file with a NUL byte, and whatever the editor
// raises when it cannot take the text; the editor then keeps its text.
void LoadTextFile(const std::string& path, const FileSystem& files, TextEditor& editor);

// Creates or replaces the file at `path` with `lines` in the text-file format, long lines whole.
// Raises the writer's errors; an existing file then stays as it was.
void WriteTextFile(const std::string& path, const std::vector<std::string>& lines,
                   FileWriter& writer);

}  // namespace tarumo
