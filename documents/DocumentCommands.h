// The File menu's commands, dropped files and the file named on the command line.
//
// The program keeps no document of its own: no current file name and no flag for unsaved
// changes. Whether there is something to lose is judged by whether the input editor holds
// text. A failure ends the command where it happens and is raised to the window as Error.
#pragma once

#include <string_view>

#include "documents/BrowserPreview.h"
#include "documents/FileDialogs.h"
#include "documents/TextEditor.h"
#include "platform/DropList.h"
#include "platform/FileSystem.h"
#include "platform/FileWriter.h"
#include "platform/MessageBoxes.h"
#include "platform/ProcessExit.h"

namespace tarumo {

struct DocumentServices {
  TextEditor& input;   // MemoIn
  TextEditor& output;  // MemoOut
  MessageBoxes& boxes;
  FileDialogs& dialogs;
  const FileSystem& files;
  FileWriter& writer;
  BrowserPreview& preview;
  ProcessExit& exit;
};

class DocumentCommands {
 public:
  explicit DocumentCommands(const DocumentServices& services) : s_(services) {}

  // New: after "マジで？" is answered Yes, empties both editors.
  void NewTextClick();
  // Open: offers to save the input text, then loads the file chosen in the open dialog.
  void OpenTextClick();
  // Save input text: the save dialog, then WriteSmallText.
  void SaveSmallTextClick();
  // Writes the input editor's lines to the name the save dialog holds.
  void WriteSmallText();
  // Save giant text: the save dialog, then the output editor's lines as plain text.
  void SaveTextClick();
  // Exit: removes the preview page and ends the process with code 0, asking nothing.
  void ExitAppClick();
  // A drop: offers to save the input text once, then loads the last dropped file. The drop is
  // finished on every way out.
  void FormDropFiles(DropList& drop);
  // At start-up: loads the first argument of `commandLine` (program name first), if any.
  void LoadCommandLineFile(std::string_view commandLine);

  const FileDialogState& OpenDialogState() const { return openDialog_; }
  const FileDialogState& SaveDialogState() const { return saveDialog_; }

 private:
  // The save question before the input text is replaced; false when the command is abandoned.
  bool OfferToSaveInput();

  DocumentServices s_;
  FileDialogState openDialog_;
  FileDialogState saveDialog_;  // shared by both saves
};

}  // namespace tarumo
