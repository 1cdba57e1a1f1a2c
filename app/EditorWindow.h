// One of the main window's editors as the file commands see it: its whole text.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "documents/TextEditor.h"

namespace tarumo {

class EditorWindow final : public TextEditor {
 public:
  // The control is set once it exists.
  void Attach(HWND control) { control_ = control; }
  // The editor is emptied by `empty`, and a new text set into the emptied editor, instead of
  // one WM_SETTEXT: the output editor is emptied by putting a fresh control in its place
  // (MemoOutControl.h), which attaches here.
  void EmptyWith(std::function<void()> empty) { empty_ = std::move(empty); }

  std::string Text() override;
  void SetText(const std::string& text) override;

 private:
  HWND control_ = nullptr;
  std::function<void()> empty_;
};

}  // namespace tarumo
