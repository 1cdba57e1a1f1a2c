// The standard open and save dialogs of the program under test: found among its windows, read,
// filled in and confirmed as a user would, through the dialog's own controls.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tarumo::ui {

struct FileDialogSeen {
  HWND dialog = nullptr;
  // The name offered in the file name box.
  std::string fileName;
  // The captions of the file type list, and the entry selected (counted from 0).
  std::vector<std::string> fileTypes;
  int selectedFileType = -1;
};

// The open or save dialog that process `processId` shows, once it shows one within the
// patience limit.
std::optional<FileDialogSeen> WaitForFileDialog(DWORD processId);

// Whether process `processId` shows an open or save dialog right now.
bool ShowsFileDialog(DWORD processId);

// Selects entry `index` (counted from 0) of the file type list, as a click in the list does.
void SelectFileType(const FileDialogSeen& dialog, int index);

// Types `name` into the file name box and presses the OK button; true once the dialog is gone.
bool ChooseFile(const FileDialogSeen& dialog, const std::string& name);

// Presses the OK button, taking the name that the dialog offers; true once the dialog is gone.
bool AcceptFileDialog(const FileDialogSeen& dialog);

// Presses the Cancel button; true once the dialog is gone.
bool CancelFileDialog(const FileDialogSeen& dialog);

}  // namespace tarumo::ui
