// The top-level windows of the program under test, found by their class: its main window, the
// popup menus it opens, its message boxes and dialogs.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace tarumo::ui {

inline constexpr std::string_view kMainWindowClass = "TForm1";
inline constexpr std::string_view kPopupMenuClass = "#32768";  // the system's menu windows
inline constexpr std::string_view kDialogClass = "#32770";     // message boxes, file dialogs

inline bool IsShown(HWND window) { return ::IsWindowVisible(window) != FALSE; }

// The first top-level window of process `processId` of class `className` that `accept` takes
// (the first visible one, unless told otherwise); nullptr when there is none.
HWND FindProcessWindow(DWORD processId, std::string_view className,
                       const std::function<bool(HWND)>& accept = IsShown);

// Waits for a popup menu of the process: a menu of the menu bar or a context menu, opened.
// nullptr when none opened within the patience limit.
HWND WaitForPopupMenu(DWORD processId);

}  // namespace tarumo::ui
