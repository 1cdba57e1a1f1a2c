// The editing commands of the Edit menu and of the output editor's context menu, the active
// editor they act on, and the copy of the giant text to the clipboard.
#include "app/EditControl.h"
#include "app/EditorText.h"
#include "app/Unit1.h"
#include "platform/win32/Win32Clipboard.h"

namespace tarumo {
namespace {

void SelectAll(HWND editor) {
  ::SendMessageA(editor, EM_SETSEL, 0, -1);
}
void Undo(HWND editor) {
  ::SendMessageA(editor, EM_UNDO, 0, 0);
}
void Cut(HWND editor) {
  ::SendMessageA(editor, WM_CUT, 0, 0);
}
void Copy(HWND editor) {
  ::SendMessageA(editor, WM_COPY, 0, 0);
}
void Paste(HWND editor) {
  ::SendMessageA(editor, WM_PASTE, 0, 0);
}

}  // namespace

void TForm1::MemoInEnter() {
  activeEditor_ = 0;
}

void TForm1::MemoOutEnter() {
  activeEditor_ = 1;
}

HWND TForm1::ActiveEditorControl() const {
  return activeEditor_ == 0 ? MemoIn : MemoOut;
}

void TForm1::AllSelectMenuClick() {
  SelectAll(ActiveEditorControl());
}
void TForm1::UndoMenuClick() {
  if (ActiveEditorControl() == MemoOut && UndoLargeRemoval()) return;
  Undo(ActiveEditorControl());
}
void TForm1::CutMenuClick() {
  if (ActiveEditorControl() == MemoOut && RemoveLargeSelection(true)) return;
  Cut(ActiveEditorControl());
}
void TForm1::CopyMenuClick() {
  Copy(ActiveEditorControl());
}
void TForm1::PasteMenuClick() {
  // The pasted text goes where a large selection was, once it is removed.
  if (ActiveEditorControl() == MemoOut) RemoveLargeSelection(false);
  Paste(ActiveEditorControl());
}

void TForm1::AllSelectClick() {
  SelectAll(MemoOut);
}
void TForm1::UndoClick() {
  if (UndoLargeRemoval()) return;
  Undo(MemoOut);
}
void TForm1::CutClick() {
  if (RemoveLargeSelection(true)) return;
  Cut(MemoOut);
}
void TForm1::CopyClick() {
  Copy(MemoOut);
}
void TForm1::PasteClick() {
  RemoveLargeSelection(false);
  Paste(MemoOut);
}

void TForm1::PopupMenu1At(int x, int y) {
  ::TrackPopupMenu(PopupMenu1.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0,
                   handle_, nullptr);
}

void TForm1::Button2Click() {
  // The whole text, whatever is selected; every line break as CR LF.
  CopyTextToClipboard(handle_, WithCrLfLineBreaks(WindowText(MemoOut)));
}

}  // namespace tarumo
