// The event loop of the main window, and the processing of pending messages that the
// conversion lets through while it fills the output editor.
#pragma once

#include <windows.h>

namespace tarumo {

// Raised by ProcessPendingMessages when the window closed while a command was running, so
// that the command stops; the quit request stays queued for the event loop.
struct WindowClosed {};

// Sent to the window before a mouse message of the window or one of its controls is
// dispatched, the message in lParam (a const MSG*): the window's hints learn of the mouse
// from it, so that no control needs subclassing for them.
inline constexpr UINT kMouseMessageComing = WM_APP + 2;

// Sent to the window before a key press or a typed character meant for one of its controls is
// translated and dispatched, the message in lParam (a const MSG*). The window answers TRUE when
// it has dealt with the key itself: the key then goes no further.
inline constexpr UINT kKeyMessageComing = WM_APP + 3;

// Dispatches messages until the quit request. Shortcuts of `shortcuts` are looked up before
// the focused control sees a key, and Tab moves the focus between the controls of `window`.
void RunMessageLoop(HWND window, HACCEL shortcuts);

// Dispatches every pending message the same way, then returns. Raises WindowClosed when it
// meets the quit request.
void ProcessPendingMessages(HWND window, HACCEL shortcuts);

}  // namespace tarumo
