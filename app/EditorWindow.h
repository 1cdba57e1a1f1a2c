// One of the main window's editors as the file commands see it: its whole text.
#pragma once

#include <windows.h>

#include "documents/TextEditor.h"

namespace tarumo {

class EditorWindow final : public TextEditor {
 public:
  // The control is set once it exists.
  void Attach(HWND control) { control_ = control; }

  std::string Text() override;
  void SetText(const std::string& text) override;

 private:
  HWND control_ = nullptr;
};

}  // namespace tarumo
