// The File menu, dropped files, the file named on the command line and the browser preview:
// the window hands each to the document commands.
#include "app/Unit1.h"

#include "app/WindowCommands.h"
#include "platform/win32/ProcessCommandLine.h"
#include "platform/win32/Win32DropList.h"

namespace tarumo {

void TForm1::NewTextClick() {
  commands_->documents.NewTextClick();
}

void TForm1::OpenTextClick() {
  commands_->documents.OpenTextClick();
}

void TForm1::SaveSmallTextClick() {
  commands_->documents.SaveSmallTextClick();
}

void TForm1::SaveTextClick() {
  commands_->documents.SaveTextClick();
}

void TForm1::ExitAppClick() {
  // Removes the preview page and ends the process with code 0; the window is not closed first.
  commands_->documents.ExitAppClick();
}

void TForm1::FormDropFiles(HDROP drop) {
  // The drop is given back on every way out, a failed load or save included.
  Win32DropList files(drop);
  commands_->documents.FormDropFiles(files);
}

void TForm1::LoadCommandLineFile() {
  commands_->documents.LoadCommandLineFile(ProcessCommandLine());
}

void TForm1::BrowserClick() {
  commands_->preview.BrowserClick();
}

void TForm1::FormClose() {
  commands_->preview.FormClose();
}

}  // namespace tarumo
