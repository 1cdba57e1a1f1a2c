// The output editor's spacing rules on any lines: afterwards no line holds two half-width
// spaces in a row or starts with one past two bytes, a second run changes nothing, and the
// editor's run over all lines gives what the rule gives line by line.
#include <cstdint>
#include <string>
#include <vector>

#include "common/TextLines.h"
#include "conversion/SpacingRules.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

class Editor final : public tarumo::OutputEditor {
 public:
  explicit Editor(std::vector<std::string> lines) : lines(std::move(lines)) {}
  int LineCount() override { return static_cast<int>(lines.size()); }
  std::string Line(int index) override { return lines.at(index); }
  void ReplaceLines(int first, const std::vector<std::string>& texts) override {
    for (std::size_t i = 0; i < texts.size(); ++i) lines.at(first + i) = texts[i];
  }
  int CaretPosition() override { return caret; }
  void SetCaretPosition(int position) override { caret = position; }
  void TakeFocus() override { focused = true; }

  std::vector<std::string> lines;
  int caret = 7;
  bool focused = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = tarumo::SplitLines(text);

  Editor editor(lines);
  const bool changed = tarumo::ApplySpacingRules(editor);
  FUZZ_CHECK(editor.lines.size() == lines.size());
  FUZZ_CHECK(changed == (editor.lines != lines));
  FUZZ_CHECK(changed ? (editor.caret == 6 && editor.focused)
                     : (editor.caret == 7 && !editor.focused));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = editor.lines[i];
    FUZZ_CHECK(line == tarumo::ApplySpacingRulesToLine(lines[i]));
    FUZZ_CHECK(line.find("  ") == std::string::npos);
    FUZZ_CHECK(line.size() <= 2 || line[0] != ' ');
    FUZZ_CHECK(tarumo::ApplySpacingRulesToLine(line) == line);
  }
  // A second run finds nothing to do.
  FUZZ_CHECK(!tarumo::ApplySpacingRules(editor));
  return 0;
}
