// Text files of any bytes loaded into an editor and written back: the lines survive the round
// trip, a file with a NUL is refused whole, and the editor's text only ever uses CR LF.
#include <cstdint>
#include <string>

#include "common/Error.h"
#include "common/TextLines.h"
#include "documents/TextFiles.h"
#include "documents/TextFormat.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/OneFile.h"

namespace {

class Editor final : public tarumo::TextEditor {
 public:
  std::string Text() override { return text; }
  void SetText(const std::string& newText) override { text = newText; }
  std::string text = "before";
};

// Every CR of `text` is followed by LF and every LF follows a CR.
bool OnlyCrLf(const std::string& text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n')) return false;
    if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto lines = tarumo::SplitLines(bytes);
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
  }

  Editor editor;
  try {
    tarumo::LoadTextFile("in.txt", tarumo::fuzz::OneFile(bytes), editor);
    FUZZ_CHECK(bytes.find('\0') == std::string::npos);
  } catch (const tarumo::Error&) {
    FUZZ_CHECK(bytes.find('\0') != std::string::npos);
    FUZZ_CHECK(editor.text == "before");  // a refused file leaves the editor's text
    return 0;
  }
  FUZZ_CHECK(OnlyCrLf(editor.text));
  FUZZ_CHECK(tarumo::SplitLines(editor.text) == lines);
  FUZZ_CHECK(tarumo::HoldsText(editor.text) == !bytes.empty());

  // Saved and read again, the editor's lines come back as they were.
  const std::string saved = tarumo::TextFileBytes(tarumo::SplitLines(editor.text));
  FUZZ_CHECK(tarumo::SplitLines(saved) == lines);
  FUZZ_CHECK(saved.empty() || saved.substr(saved.size() - 2) == "\r\n");
  return 0;
}
