// tarumo2.exe started from a fresh program folder that holds a copy of it, the fixture glyph
// library and a config.ini that asks nothing at start-up; closed and removed at the end.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "app/CommandIds.h"
#include "tests/win32/ScratchFolder.h"

namespace tarumo::ui {

class ProgramUnderTest {
 public:
  ProgramUnderTest();
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  // The program folder, ending in a backslash; files written there before or after the start.
  const std::string& folder() const { return folder_.path(); }
  void WriteFile(std::string_view relative, std::string_view bytes) {
    folder_.Write(relative, bytes);
  }

  // Starts the program and waits for its main window, which becomes the foreground window.
  void Start();
  // Closes the main window and waits for the process to end; returns its exit code.
  DWORD Close();

  DWORD processId() const { return process_.dwProcessId; }
  HWND window() const { return window_; }
  HWND control(CommandId id) const;

  // The text of a control or of the window, as WM_GETTEXT gives it.
  std::string Text(CommandId id) const;
  void SetText(CommandId id, const std::string& text) const;
  // The text of status panel 0 or 1.
  std::string StatusPanel(int panel) const;
  // The selection of an edit control: start and end.
  std::pair<int, int> Selection(CommandId id) const;
  void Select(CommandId id, int start, int end) const;
  // The control that has the keyboard focus in the program.
  HWND FocusedControl() const;
  // The bounds of a control within the main window's client area.
  RECT ControlBounds(CommandId id) const;
  SIZE ClientSize() const;
  SIZE OuterSize() const;

  // Brings the main window to the front, so that keystrokes reach it.
  void Activate() const;
  // Waits until the program's message queue is empty and it waits for input.
  void WaitForIdle() const;

 private:
  testing::ScratchFolder folder_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// "<folder of the test program>\<name>".
std::string BesideTestProgram(std::string_view name);

}  // namespace tarumo::ui
