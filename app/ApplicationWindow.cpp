#include "app/ApplicationWindow.h"

#include "app/ErrorBox.h"
#include "app/ResourceIds.h"
#include "platform/win32/LastError.h"

namespace tarumo {
namespace {

constexpr const char* kWindowClass = "Tarumo2Application";
// A captioned popup of no size: it has a taskbar entry and a system menu, yet nothing shows.
constexpr DWORD kWindowStyle =
    WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;

}  // namespace

ApplicationWindow::~ApplicationWindow() {
  if (handle_) ::DestroyWindow(handle_);
}

void ApplicationWindow::Create(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  if (!::GetClassInfoExA(instance, kWindowClass, &windowClass)) {
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &ApplicationWindow::WindowProc;
    windowClass.hInstance = instance;
    // The taskbar shows the program's icon beside the title.
    windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.lpszClassName = kWindowClass;
    if (!::RegisterClassExA(&windowClass)) throw LastError();
  }
  const int left = ::GetSystemMetrics(SM_CXSCREEN) / 2;
  const int top = ::GetSystemMetrics(SM_CYSCREEN) / 2;
  if (!::CreateWindowExA(0, kWindowClass, kApplicationTitle, kWindowStyle, left, top, 0, 0, nullptr,
                         nullptr, instance, this)) {
    throw LastError();
  }
}

void ApplicationWindow::Show(int showCommand) {
  if (showCommand == SW_SHOWMINNOACTIVE) {
    // The main window shows when the application is restored.
    mainHidden_ = true;
    ::ShowWindow(handle_, SW_SHOWMINNOACTIVE);
    return;
  }
  ::ShowWindow(handle_, SW_SHOWNOACTIVATE);
  ::ShowWindow(main_, showCommand);
  ::UpdateWindow(main_);
}

void ApplicationWindow::Minimize() {
  ::ShowWindow(handle_, SW_MINIMIZE);
}

LRESULT CALLBACK ApplicationWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  ApplicationWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self =
        static_cast<ApplicationWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->handle_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<ApplicationWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam));
      return 0;
    case WM_ACTIVATE:
      // The entry was chosen while the application was not minimised: the main window (or
      // the box that it shows) takes the activation. A restore activates it when it has ended.
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) ActivateMainWindow();
      return 0;
    case kActivateMainMessage:
      if (!::IsIconic(handle_)) ActivateMainWindow();
      return 0;
    case WM_CLOSE:
      // Closing the entry closes the main window, by its own way of closing.
      if (main_) ::PostMessageA(main_, WM_CLOSE, 0, 0);
      return 0;
    default:
      break;
  }
  return ::DefWindowProcA(handle_, message, wParam, lParam);
}

void ApplicationWindow::OnSize(UINT kind) {
  if (!main_) return;
  if (kind == SIZE_MINIMIZED) {
    if (::IsWindowVisible(main_)) {
      ::ShowWindow(main_, SW_HIDE);
      mainHidden_ = true;
    }
  } else if (kind == SIZE_RESTORED && mainHidden_) {
    mainHidden_ = false;
    ::ShowWindow(main_, SW_SHOW);
    ::PostMessageA(handle_, kActivateMainMessage, 0, 0);
  }
}

void ApplicationWindow::ActivateMainWindow() {
  if (!main_ || !::IsWindowVisible(main_)) return;
  HWND target = ::GetLastActivePopup(main_);
  if (!target || !::IsWindowVisible(target) || !::IsWindowEnabled(target)) target = main_;
  ::SetForegroundWindow(target);
  ::SetActiveWindow(target);
}

}  // namespace tarumo
