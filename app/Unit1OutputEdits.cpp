// Large edits of the output editor: a selection of many lines of giant text removed by a fresh
// control that holds the rest, since the control itself would take minutes (LargeSelection.h).
// What the user sees is what the control would have done: the text without the selection, the
// caret where it began, the spacing rules run on the change, and one undo bringing it back.

// <windows.h> comes first: the other system headers build on it.
// clang-format off
#include <windows.h>
#include <richedit.h>
// clang-format on

#include "app/EditControl.h"
#include "app/EditorText.h"
#include "app/LargeSelection.h"
#include "app/ScopedAssignment.h"
#include "app/Unit1.h"

namespace tarumo {
namespace {

bool Pressed(int key) {
  return ::GetKeyState(key) < 0;
}

// A character that typing puts in place of the selection: printable ones and Enter's line
// break (Tab moves the focus, and control characters type nothing).
bool TypesOverSelection(WPARAM character) {
  return (character >= 0x20 && character != 0x7F) || character == '\r';
}

void ShowCaret(HWND control, int start, int end) {
  ::SendMessageA(control, EM_SETSEL, start, end);
  ::SendMessageA(control, EM_SCROLLCARET, 0, 0);
}

}  // namespace

void TForm1::SetMemoOutText(const std::string& text) {
  if (text.empty()) return;
  // The change handler runs once the caret is where the change leaves it, not on this.
  ScopedAssignment quiet(correctingOutput_, true);
  ::SetWindowTextA(MemoOut, text.c_str());
}

bool TForm1::OnKeyMessageComing(const MSG& key) {
  if (key.hwnd != MemoOut) return false;
  if (key.message == WM_CHAR) {
    if (!TypesOverSelection(key.wParam) || !RemoveLargeSelection(false)) return false;
    // The character goes to the fresh control, at the caret where the selection began.
    ::SendMessageW(MemoOut, WM_CHAR, key.wParam, key.lParam);
    return true;
  }
  if (Pressed(VK_CONTROL) || Pressed(VK_MENU)) return false;
  switch (key.wParam) {
    case VK_BACK:
      return RemoveLargeSelection(false);
    case VK_DELETE:
      return RemoveLargeSelection(Pressed(VK_SHIFT));  // Shift+Delete cuts
    case VK_INSERT:                                    // Shift+Insert pastes
      if (!Pressed(VK_SHIFT) || !RemoveLargeSelection(false)) return false;
      ::SendMessageA(MemoOut, WM_PASTE, 0, 0);
      return true;
    default:
      return false;
  }
}

bool TForm1::RemoveLargeSelection(bool copyFirst) {
  const Selection selection = RichEditSelection(MemoOut);
  if (selection.start >= selection.end) return false;
  const int first = RichEditLineAt(MemoOut, selection.start);
  const int last = RichEditLineAt(MemoOut, selection.end);
  const int lines = static_cast<int>(::SendMessageA(MemoOut, EM_GETLINECOUNT, 0, 0));
  if (!RemoveByFreshControl({first, last, lines - (last - first)})) return false;

  if (copyFirst) ::SendMessageA(MemoOut, WM_COPY, 0, 0);
  RemovedSelection removed{WindowText(MemoOut), selection.start, selection.end};
  const auto offset = [&](int line, int position) {
    return ByteOffsetOf(removed.text, line, position - LineStart(MemoOut, line));
  };
  const std::string& text = removed.text;
  const std::string kept =
      text.substr(0, offset(first, selection.start)) + text.substr(offset(last, selection.end));
  EmptyMemoOut();
  removedSelection_ = std::move(removed);
  SetMemoOutText(kept);
  ShowCaret(MemoOut, selection.start, selection.start);
  // The spacing rules run on the change, with the caret where the selection began.
  MemoOutChange();
  return true;
}

bool TForm1::UndoLargeRemoval() {
  if (!removedSelection_ || ::SendMessageA(MemoOut, EM_CANUNDO, 0, 0)) return false;
  const RemovedSelection removed = std::move(*removedSelection_);
  EmptyMemoOut();
  SetMemoOutText(removed.text);
  ShowCaret(MemoOut, removed.start, removed.end);
  MemoOutChange();
  return true;
}

}  // namespace tarumo
