// The output editor as the spacing rules see it: lines, caret and focus of a rich edit.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "conversion/OutputEditor.h"

namespace tarumo {

class MemoOutEditor final : public OutputEditor {
 public:
  explicit MemoOutEditor(HWND control) : control_(control) {}

  // The lines are read from the whole text, once: asking the control for each line costs
  // time that grows with the text.
  int LineCount() override;
  std::string Line(int index) override;
  void ReplaceLines(int first, const std::vector<std::string>& texts) override;
  int CaretPosition() override;
  // A position before the start of the text puts the caret at the start.
  void SetCaretPosition(int position) override;
  void TakeFocus() override;

 private:
  const std::vector<std::string>& Lines();

  HWND control_;
  std::optional<std::vector<std::string>> lines_;
};

}  // namespace tarumo
