// The Convert command in the window, and the output editor's spacing rules.

// <windows.h> comes first: the other system headers build on it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "app/EditControl.h"
#include "app/MemoOutEditor.h"
#include "app/MessageLoop.h"
#include "app/ScopedAssignment.h"
#include "app/Unit1.h"
#include "conversion/ConversionPass.h"
#include "conversion/SpacingRules.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32TextServices.h"

namespace tarumo {

void TForm1::TranceClick() {
  Button1Click();
}

void TForm1::Button1Click() {
  // A pass lets messages through while it fills the output editor; a Convert that arrives then
  // would empty the editor under it and leave both passes' lines mixed, so it is not started.
  if (converting_) return;
  ScopedAssignment running(converting_, true);
  const Win32FileSystem files;
  const Win32TextServices text;
  RunConversionPass(*this, GlyphLibrary{programFolder_, files, text});
}

void TForm1::MemoOutChange() {
  // Lines written back by a running correction change the text again; the running correction
  // already covers them.
  if (correctingOutput_) return;
  ScopedAssignment correcting(correctingOutput_, true);
  MemoOutEditor editor(MemoOut);
  // A line appended by the pass is the only one that can break the rules: every line before it
  // was corrected when it arrived.
  ApplySpacingRules(editor, appendingLine_.value_or(0));
}

void TForm1::ClearOutput() {
  ::SetWindowTextA(MemoOut, "");
}

void TForm1::SetStatusPanel(StatusPanel panel, const std::string& text) {
  ::SendMessageA(StatusBar1, SB_SETTEXTA, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

int TForm1::InputLineCount() {
  return EditLineCount(MemoIn);
}

bool TForm1::AskYesNo(const std::string& text, const std::string& caption) {
  return ::MessageBoxA(handle_, text.c_str(), caption.c_str(), MB_YESNO) == IDYES;
}

void TForm1::Repaint() {
  ::RedrawWindow(handle_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::string TForm1::InputLine(int index) {
  return EditLine(MemoIn, index);
}

std::string TForm1::BlankLineText() {
  return WindowText(BlankLine);
}

void TForm1::AppendOutputLine(const std::string& line) {
  ScopedAssignment appending(appendingLine_, LastLineIndex(MemoOut));
  AppendEditLine(MemoOut, line);
}

void TForm1::ProcessMessages() {
  ProcessPendingMessages(handle_, shortcuts_.get());
}

}  // namespace tarumo
