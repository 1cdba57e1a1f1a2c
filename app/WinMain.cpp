// Process start-up: the application, its main window and the event loop.

// <windows.h> comes first: the other system headers build on it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "app/ErrorBox.h"
#include "app/MessageLoop.h"
#include "app/ScopedAssignment.h"
#include "app/Unit1.h"
#include "platform/win32/LastError.h"
#include "platform/win32/LibraryModule.h"

namespace {

// The window opens maximised or minimised when the program was started so, else normally.
int MainWindowShowCommand(int startedWith) {
  if (startedWith == SW_SHOWMAXIMIZED || startedWith == SW_SHOWMINNOACTIVE) return startedWith;
  return SW_SHOWNORMAL;
}

void RunApplication(HINSTANCE instance, int showCommand) {
  using namespace tarumo;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  // The output editor's window class lives in this library; it stays loaded until the window
  // is gone.
  LibraryModule richEdit("RICHED32.DLL");
  if (!richEdit) throw LastError();

  TForm1 form;
  ScopedAssignment mainWindow(Form1, &form);
  form.Create(instance);
  form.Show(MainWindowShowCommand(showCommand));
  RunMessageLoop(form.Handle(), form.Shortcuts());
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  tarumo::RunShowingFailures(nullptr, [&] { RunApplication(instance, showCommand); });
  return 0;
}
