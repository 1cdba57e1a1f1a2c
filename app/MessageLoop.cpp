#include "app/MessageLoop.h"

namespace tarumo {
namespace {

bool IsOwnWindow(HWND window, HWND target) {
  return target == window || ::IsChild(window, target);
}

// Tab and Shift+Tab, without Ctrl or Alt.
bool IsTabKey(const MSG& message) {
  return message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
         ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0;
}

// Messages are taken and dispatched in their Unicode form: the editors keep their text in
// Unicode, and a typed double-byte character reaches them whole instead of as two separate
// bytes. A window of the program's own still gets its messages in code page 932.
void Dispatch(HWND window, HACCEL shortcuts, MSG& message) {
  if (IsOwnWindow(window, message.hwnd)) {
    if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
      ::SendMessageA(window, kMouseMessageComing, 0, reinterpret_cast<LPARAM>(&message));
    }
    if (::TranslateAcceleratorW(window, shortcuts, &message)) return;
    if (IsTabKey(message)) {
      // The window moves the focus on, as the dialog manager would; no tab character is typed.
      const bool backwards = ::GetKeyState(VK_SHIFT) < 0;
      ::SendMessageA(window, WM_NEXTDLGCTL, backwards, FALSE);
      return;
    }
    const bool key = message.message == WM_KEYDOWN || message.message == WM_CHAR;
    if (key && message.hwnd != window &&
        ::SendMessageA(window, kKeyMessageComing, 0, reinterpret_cast<LPARAM>(&message))) {
      return;
    }
  }
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

}  // namespace

void RunMessageLoop(HWND window, HACCEL shortcuts) {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(window, shortcuts, message);
}

void ProcessPendingMessages(HWND window, HACCEL shortcuts) {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      throw WindowClosed{};
    }
    Dispatch(window, shortcuts, message);
  }
}

}  // namespace tarumo
