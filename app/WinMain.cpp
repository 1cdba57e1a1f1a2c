// Process start-up: the application, its main window and the event loop.

// <windows.h> comes first: the other system headers build on it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
// clang-format on

#include "app/ApplicationWindow.h"
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

// COM on the window's thread, for the shell's handlers of the documents and pages that the
// program hands to it.
class ComApartment {
 public:
  ComApartment()
      : initialised_(SUCCEEDED(
            ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (initialised_) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

void RunApplication(HINSTANCE instance, int showCommand) {
  using namespace tarumo;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  ComApartment com;
  // The output editor's window class lives in this library; it stays loaded until the window
  // is gone.
  LibraryModule richEdit("RICHED32.DLL");
  if (!richEdit) throw LastError();

  // The application's window carries the title; the main window is made owned by it.
  ApplicationWindow application;
  application.Create(instance);
  TForm1 form;
  ScopedAssignment mainWindow(Form1, &form);
  form.Create(instance, application.Handle());
  application.SetMainWindow(form.Handle());
  application.Show(MainWindowShowCommand(showCommand));
  RunMessageLoop(form.Handle(), form.Shortcuts());
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  tarumo::RunShowingFailures(nullptr, [&] { RunApplication(instance, showCommand); });
  return 0;
}
