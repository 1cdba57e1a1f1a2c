// Files dropped on a window of the program under test, as the shell drops them: a drop list
// (DROPFILES with the names) in the program's memory, sent with WM_DROPFILES.
//
// The list lies in memory reserved in the program's process, and its handle is that memory's
// address: the system takes a handle that is an address for fixed memory and locks it as such.
// Freeing the drop does not give the memory back; it goes with the process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tarumo::ui {

// Drops `names` (code page 932, in this order) on `window` of process `processId`; false when
// the drop list could not be placed in the process.
bool DropFiles(DWORD processId, HWND window, const std::vector<std::string>& names);

// The window that a drop of files at `screenPoint` goes to when no drop target of OLE takes
// it: the window under the point, or its nearest parent, that accepts dropped files.
HWND DropWindowAt(POINT screenPoint);

// Drops `names` at `screenPoint`, on the window that DropWindowAt names, as the shell does:
// the drop list carries the point in that window's client area. False when no window there
// accepts dropped files or the drop list could not be placed.
bool DropFilesAt(DWORD processId, POINT screenPoint, const std::vector<std::string>& names);

}  // namespace tarumo::ui
