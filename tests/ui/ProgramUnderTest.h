// tarumo2.exe started from a fresh program folder that holds a copy of it, the fixture glyph
// library and a config.ini that asks nothing at start-up; closed and removed at the end.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/CommandIds.h"
#include "tests/win32/ScratchFolder.h"

namespace tarumo::ui {

class ProgramUnderTest {
 public:
  // A glyph library beside the test program, by its folder's name.
  struct LibraryBeside {
    const char* name;
  };
  // A fresh program folder with the fixture glyph library, or with another one.
  ProgramUnderTest() : ProgramUnderTest(LibraryBeside{"fixture-glyphs"}) {}
  explicit ProgramUnderTest(LibraryBeside glyphLibrary);
  // The tarumo2.exe that already stands in `programFolder` (ending in a backslash), with what
  // lies beside it there, an unzipped release say: nothing is copied in and the folder stays.
  // WriteFile writes to the fresh folder only; CopyIn works in both.
  explicit ProgramUnderTest(std::string programFolder);
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  // The program folder, ending in a backslash; files written there before or after the start.
  const std::string& folder() const { return givenFolder_.empty() ? folder_.path() : givenFolder_; }
  void WriteFile(std::string_view relative, std::string_view bytes) {
    folder_.Write(relative, bytes);
  }
  // Copies the file at `source` into the program folder as `relative`: another build of the
  // program as "tarumo2.exe", or a file that ships beside it ("Date.dat").
  bool CopyIn(const std::string& source, std::string_view relative) {
    return ::CopyFileA(source.c_str(), (folder() + std::string(relative)).c_str(), FALSE) != FALSE;
  }

  // Starts the program and waits for its main window, which becomes the foreground window.
  void Start();
  // What the next start passes on: the arguments after the program's name, as they stand on
  // the command line (quotes included), and environment variables set or replaced (TMP).
  void SetArguments(std::string arguments) { arguments_ = std::move(arguments); }
  void SetEnvironment(std::string name, std::string value) {
    for (auto& [known, old] : environment_) {
      if (known == name) {
        old = std::move(value);
        return;
      }
    }
    environment_.emplace_back(std::move(name), std::move(value));
  }
  // The current folder of the next start; the program folder unless set.
  void SetWorkingFolder(std::string folder) { workingFolder_ = std::move(folder); }
  // The two halves of Start, for a start-up that shows a message box before the window:
  // starts the process; then waits for the main window and brings it to the front.
  void Launch();
  void AwaitMainWindow();
  // Whether the program shows its main window now.
  bool ShowsMainWindow() const;
  // Waits for the process to end by itself; returns its exit code (STILL_ACTIVE if it runs on).
  DWORD WaitForExit();
  // Closes the main window and waits for the process to end; returns its exit code.
  DWORD Close();

  DWORD processId() const { return process_.dwProcessId; }
  // The most memory the process has had in use so far (its peak working set), in MB.
  double PeakMegabytes() const;
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
  // Opens a menu of the menu bar from the keyboard: Alt and the menu's letter `key`.
  void OpenMenu(WORD key) const;
  // Waits until the program's message queue is empty and it waits for input.
  void WaitForIdle() const;

 private:
  testing::ScratchFolder folder_;
  std::string givenFolder_;
  std::string arguments_;
  std::vector<std::pair<std::string, std::string>> environment_;
  std::string workingFolder_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// "<folder of the test program>\<name>".
std::string BesideTestProgram(std::string_view name);

}  // namespace tarumo::ui
