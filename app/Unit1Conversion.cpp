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
  // Painting is paced while the pass runs; on every way out what is pending shows and the
  // input lines and the spacing that it read go.
  struct PassScope {
    TForm1& form;
    explicit PassScope(TForm1& f) : form(f) { form.pacedPainting_->Begin(); }
    ~PassScope() {
      form.pacedPainting_->End();
      form.inputLines_.clear();
      form.blankLineText_.reset();
    }
  } scope(*this);
  const Win32FileSystem files;
  const Win32TextServices text;
  RunConversionPass(*this, GlyphLibrary{programFolder_, files, text});
}

void TForm1::MemoOutChange() {
  // Lines written back by a running correction change the text again; the running correction
  // already covers them.
  if (correctingOutput_) return;
  // A change that the pass did not make leaves the end of the text unknown to it.
  if (!appending_) outputAppender_->Forget();
  // A line appended by the pass is the only one that can break the rules: every line before it
  // was corrected when it arrived. When it is known, it is checked without asking the editor.
  if (appending_ && appending_->text &&
      ApplySpacingRulesToLine(*appending_->text) == *appending_->text) {
    return;
  }
  ScopedAssignment correcting(correctingOutput_, true);
  MemoOutEditor editor(MemoOut);
  // A correction is not undoable, and empties the control's undo record.
  if (ApplySpacingRules(editor, appending_ ? appending_->firstLine : 0)) removedSelection_.reset();
}

void TForm1::ClearOutput() {
  EmptyMemoOut();
  outputAppender_->Cleared();
}

void TForm1::SetStatusPanel(StatusPanel panel, const std::string& text) {
  pacedPainting_->SetPanelText(static_cast<int>(panel), text);
}

int TForm1::InputLineCount() {
  // The pass reads every line once, in order, and lets no input through before it has read
  // them all: they are taken from the editor's text at once.
  inputLines_ = EditLines(MemoIn);
  return static_cast<int>(inputLines_.size());
}

bool TForm1::AskYesNo(const std::string& text, const std::string& caption) {
  // The panels emptied at the start show so while the question waits.
  pacedPainting_->PaintNow();
  return ::MessageBoxA(handle_, text.c_str(), caption.c_str(), MB_YESNO) == IDYES;
}

void TForm1::Repaint() {
  if (!pacedPainting_->PaintPanelChanges()) return;
  ::RedrawWindow(handle_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::string TForm1::InputLine(int index) {
  return inputLines_.at(index);
}

std::string TForm1::BlankLineText() {
  if (!blankLineText_) blankLineText_ = WindowText(BlankLine);
  return *blankLineText_;
}

void TForm1::AppendOutputLine(const std::string& line) {
  const bool endKnown = outputAppender_->EndKnown();
  ScopedAssignment appending(
      appending_, AppendedLine{outputAppender_->LastLineIndex(), endKnown ? &line : nullptr});
  pacedPainting_->LineComing();
  outputAppender_->Append(line);
}

void TForm1::ProcessMessages() {
  blankLineText_.reset();
  // The pass has set the percentage of the line just appended: a paint now shows the two
  // together.
  pacedPainting_->PaintWhenDue();
  if (!pacedPainting_->Held()) {
    ProcessPendingMessages(handle_, shortcuts_.get());
    return;
  }
  // Showing the held controls costs more than asking whether anything waits: they are shown
  // only when something does, so that a click or a key reaches them as ever.
  if (!HIWORD(::GetQueueStatus(QS_ALLINPUT))) return;
  ShownControls shown(*pacedPainting_);
  ProcessPendingMessages(handle_, shortcuts_.get());
}

}  // namespace tarumo
