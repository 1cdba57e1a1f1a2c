// The main window's two standard file dialogs: what they offer when they open. What they
// remember between uses (the name last chosen, the filter entry) is kept by the file commands.
#pragma once

#include <windows.h>

#include <string>

#include "documents/FileDialogs.h"

namespace tarumo {

struct FileDialogSettings {
  // Description and pattern pairs, each text ended by a zero byte and the list by one more:
  // the form that OPENFILENAMEA takes.
  std::string filter;
  // Added to a name typed without one; empty for none.
  std::string defaultExtension;
  // OFN_ options: the read-only box hidden, the dialog resizable, nothing else.
  DWORD options = OFN_HIDEREADONLY | OFN_ENABLESIZING;
};

// OpenDialog1: text files or any file, no default extension.
FileDialogSettings OpenDialog1Settings();

// SaveDialog1: text format or any format, default extension "txt".
FileDialogSettings SaveDialog1Settings();

// The dialogs through GetOpenFileNameA and GetSaveFileNameA, owned by the main window.
class Win32FileDialogs final : public FileDialogs {
 public:
  Win32FileDialogs() : open_(OpenDialog1Settings()), save_(SaveDialog1Settings()) {}

  void SetOwner(HWND owner) { owner_ = owner; }

  bool Execute(FileDialogKind kind, FileDialogState& state) override;

 private:
  HWND owner_ = nullptr;
  FileDialogSettings open_;  // OpenDialog1
  FileDialogSettings save_;  // SaveDialog1
};

}  // namespace tarumo
