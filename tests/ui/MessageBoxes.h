// The message boxes of the program under test: found among its windows, read and answered.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tarumo::ui {

struct MessageBoxSeen {
  HWND box = nullptr;
  std::string caption;
  std::string text;
  bool hasIcon = false;
  // The buttons present, by their command (IDOK, IDYES, IDNO, IDCANCEL).
  bool ok = false;
  bool yes = false;
  bool no = false;
  bool cancel = false;
};

// The message box that process `processId` shows, once it shows one within the patience limit.
std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId);

// Whether process `processId` shows a message box right now.
bool ShowsMessageBox(DWORD processId);

// Presses the button `command` of `box` and waits until the box has gone.
void Answer(const MessageBoxSeen& box, int command);

}  // namespace tarumo::ui
