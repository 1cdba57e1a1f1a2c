// The settings of the main window's two standard file dialogs, kept for the life of the
// window: what they offer when they open, and what they remember between uses.
#pragma once

#include <windows.h>

#include <string>

namespace tarumo {

struct FileDialogSettings {
  // Description and pattern pairs, each text ended by a zero byte and the list by one more:
  // the form that OPENFILENAMEA takes.
  std::string filter;
  // Added to a name typed without one; empty for none.
  std::string defaultExtension;
  // OFN_ options: the read-only box hidden, the dialog resizable, nothing else.
  DWORD options = OFN_HIDEREADONLY | OFN_ENABLESIZING;
  // The filter entry offered, counted from 1: the first at the first use, afterwards the one
  // selected when the dialog was last confirmed.
  DWORD filterIndex = 1;
  // The name last chosen, offered as the initial name.
  std::string fileName;
};

// OpenDialog1: text files or any file, no default extension.
FileDialogSettings OpenDialog1Settings();

// SaveDialog1: text format or any format, default extension "txt".
FileDialogSettings SaveDialog1Settings();

}  // namespace tarumo
