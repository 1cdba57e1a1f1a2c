#include "documents/TextFiles.h"

#include "common/Error.h"
#include "documents/TextFormat.h"

namespace tarumo {

void LoadTextFile(const std::string& path, const FileSystem& files, TextEditor& editor) {
  const std::string bytes = files.ReadAll(path);
  if (bytes.find('\0') != std::string::npos) throw Error(FormatText(kFileHoldsNul, path));
  const std::string text = EditorTextOf(bytes);
  if (text != editor.Text()) editor.SetText(text);
}

void WriteTextFile(const std::string& path, const std::vector<std::string>& lines,
                   FileWriter& writer) {
  writer.WriteAll(path, TextFileBytes(lines));
}

}  // namespace tarumo
