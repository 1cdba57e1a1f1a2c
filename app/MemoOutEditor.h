// The output editor as the spacing rules see it: lines, caret and focus of a rich edit.
#pragma once

#include <windows.h>

#include "conversion/OutputEditor.h"

namespace tarumo {

class MemoOutEditor final : public OutputEditor {
 public:
  explicit MemoOutEditor(HWND control) : control_(control) {}

  int LineCount() override;
  std::string Line(int index) override;
  void ReplaceLine(int index, const std::string& text) override;
  int CaretPosition() override;
  // A position before the start of the text puts the caret at the start.
  void SetCaretPosition(int position) override;
  void TakeFocus() override;

 private:
  HWND control_;
};

}  // namespace tarumo
