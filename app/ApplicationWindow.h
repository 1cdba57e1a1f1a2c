// The application's own window. It is never seen: it carries the application title as the
// program's taskbar entry and owns the main window, which so has no entry of its own. The main
// window is minimised and restored through it, and activating the entry activates the main
// window.
#pragma once

#include <windows.h>

namespace tarumo {

class ApplicationWindow {
 public:
  ApplicationWindow() = default;
  ~ApplicationWindow();
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;

  // Creates the window with the application title. Raises Error when it cannot be made.
  void Create(HINSTANCE instance);

  // The window that the application shows as itself: created owned by this window.
  void SetMainWindow(HWND main) { main_ = main; }

  // Shows the taskbar entry and the main window: maximised, minimised (the entry minimised,
  // the main window hidden until it is restored) or normally.
  void Show(int showCommand);

  // Minimises the application: its entry is minimised and the main window hidden.
  void Minimize();

  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnSize(UINT kind);
  void ActivateMainWindow();
  // Posted to itself on a restore: the main window is activated once the restore has ended,
  // so that nothing that follows it takes the activation back.
  static constexpr UINT kActivateMainMessage = WM_APP + 1;

  HWND handle_ = nullptr;
  HWND main_ = nullptr;
  // The main window was hidden because the application was minimised.
  bool mainHidden_ = false;
};

}  // namespace tarumo
