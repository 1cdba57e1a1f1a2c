#include "app/EditorWindow.h"

#include "app/EditControl.h"
#include "common/Error.h"

namespace tarumo {

std::string EditorWindow::Text() {
  return WindowText(control_);
}

void EditorWindow::SetText(const std::string& text) {
  if (empty_) {
    empty_();
    if (text.empty()) return;
  }
  // A control that cannot hold the text refuses WM_SETTEXT and keeps what it had.
  if (!::SetWindowTextA(control_, text.c_str())) throw Error(messages::kTextTooLargeForMemo);
}

}  // namespace tarumo
