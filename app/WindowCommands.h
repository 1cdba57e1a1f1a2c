// The system services of the main window and the logic of its file, preview and settings
// commands, wired together once the window exists.
#pragma once

#include <windows.h>

#include "app/EditorWindow.h"
#include "app/Win32FileDialogs.h"
#include "documents/BrowserPreview.h"
#include "documents/DocumentCommands.h"
#include "platform/ProcessExit.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32FileWriter.h"
#include "platform/win32/Win32IniFiles.h"
#include "platform/win32/Win32Internet.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32MovableMemory.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TempDirectory.h"
#include "settings/AutoUpdateSetting.h"
#include "settings/RenewCheck.h"
#include "settings/SettingsWindow.h"
#include "settings/UpdateCheckCommands.h"
#include "settings/WebServer.h"

namespace tarumo {

struct WindowCommands {
  // `window` owns the message boxes and the dialogs; `memoIn` and `memoOut` are the editors.
  WindowCommands(HWND window, HWND memoIn, HWND memoOut, SettingsWindow& settingsWindow)
      : boxes(window),
        updateChecks(releaseCheck, boxes, shell, settingsWindow, SupportPageUrl()),
        autoUpdate(ini, boxes, settingsWindow, updateChecks) {
    input.Attach(memoIn);
    output.Attach(memoOut);
    dialogs.SetOwner(window);
  }
  WindowCommands(const WindowCommands&) = delete;
  WindowCommands& operator=(const WindowCommands&) = delete;

  // The system.
  Win32MessageBoxes boxes;
  Win32FileSystem files;
  Win32FileWriter writer;
  Win32TempDirectory temp;
  Win32Shell shell;
  RuntimeExit exit;
  Win32IniFiles ini;
  Win32Internet internet;
  Win32MovableMemory memory;

  // The window as the commands see it.
  EditorWindow input;   // MemoIn
  EditorWindow output;  // MemoOut
  Win32FileDialogs dialogs;

  // The commands' logic.
  BrowserPreview preview{output, temp, writer, shell};
  DocumentCommands documents{
      DocumentServices{input, output, boxes, dialogs, files, writer, preview, exit}};
  ReleaseCheck releaseCheck{internet, memory, ini, ArchiveUrl()};
  UpdateCheckCommands updateChecks;
  AutoUpdateSetting autoUpdate;
};

}  // namespace tarumo
