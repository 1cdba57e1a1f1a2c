#include "tests/ui/FileDialogDriver.h"

#include <dlgs.h>

#include <vector>

#include "tests/ui/ProcessWindows.h"
#include "tests/ui/Waiting.h"

namespace tarumo::ui {
namespace {

// A file dialog is a dialog of the process with a file type list; a message box has none.
HWND FindDialog(DWORD processId) {
  return FindProcessWindow(processId, kDialogClass, [](HWND window) {
    return IsShown(window) && ::GetDlgItem(window, cmb1) != nullptr;
  });
}

// The file name box: an edit of its own, or the edit of a combo box, as the system builds it.
HWND FileNameBox(HWND dialog) {
  if (HWND edit = ::GetDlgItem(dialog, edt1)) return edit;
  return ::GetDlgItem(dialog, cmb13);
}

std::string TextOf(HWND window) {
  char text[MAX_PATH * 2] = {};
  ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// The entries of a combo box in another process. They are asked for as UTF-16, which crosses
// the process boundary unchanged (the system's ANSI form of CB_GETLBTEXT does not), and are
// given back in code page 932.
std::vector<std::string> ListEntries(HWND combo) {
  std::vector<std::string> entries;
  const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) break;
    std::wstring wide(length + 1, L'\0');
    wide.resize(::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide.data())));
    std::string text(wide.size() * 2, '\0');
    text.resize(::WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()),
                                      text.data(), static_cast<int>(text.size()), nullptr,
                                      nullptr));
    entries.push_back(text);
  }
  return entries;
}

bool Press(HWND dialog, int button) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
  return WaitUntil([&] { return !::IsWindow(dialog); });
}

}  // namespace

std::optional<FileDialogSeen> WaitForFileDialog(DWORD processId) {
  HWND dialog = nullptr;
  if (!WaitUntil([&] { return (dialog = FindDialog(processId)) != nullptr; })) return std::nullopt;
  // The dialog fills its boxes after it shows: wait for the file type list.
  HWND fileTypes = ::GetDlgItem(dialog, cmb1);
  WaitUntil([&] { return ::SendMessageA(fileTypes, CB_GETCOUNT, 0, 0) > 0; });
  FileDialogSeen seen;
  seen.dialog = dialog;
  seen.fileName = TextOf(FileNameBox(dialog));
  seen.fileTypes = ListEntries(fileTypes);
  seen.selectedFileType = static_cast<int>(::SendMessageA(fileTypes, CB_GETCURSEL, 0, 0));
  return seen;
}

bool ShowsFileDialog(DWORD processId) {
  return FindDialog(processId) != nullptr;
}

void SelectFileType(const FileDialogSeen& dialog, int index) {
  HWND fileTypes = ::GetDlgItem(dialog.dialog, cmb1);
  ::SendMessageA(fileTypes, CB_SETCURSEL, index, 0);
  // The list tells the dialog of a choice made by the user; a selection made by message does
  // not, so the notifications of a click are sent on its behalf.
  for (const WORD notification : {CBN_SELCHANGE, CBN_SELENDOK}) {
    ::SendMessageA(dialog.dialog, WM_COMMAND, MAKEWPARAM(cmb1, notification),
                   reinterpret_cast<LPARAM>(fileTypes));
  }
}

bool ChooseFile(const FileDialogSeen& dialog, const std::string& name) {
  HWND box = FileNameBox(dialog.dialog);
  if (!box) return false;
  ::SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  return Press(dialog.dialog, IDOK);
}

bool AcceptFileDialog(const FileDialogSeen& dialog) {
  return Press(dialog.dialog, IDOK);
}

bool CancelFileDialog(const FileDialogSeen& dialog) {
  return Press(dialog.dialog, IDCANCEL);
}

}  // namespace tarumo::ui
