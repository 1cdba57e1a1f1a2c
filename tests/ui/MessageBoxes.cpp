#include "tests/ui/MessageBoxes.h"

#include "tests/ui/ProcessWindows.h"
#include "tests/ui/Waiting.h"

namespace tarumo::ui {
namespace {

// The identifiers of a message box's own controls.
constexpr int kTextControl = 0xFFFF;

HWND FindMessageBox(DWORD processId) {
  return FindProcessWindow(processId, kDialogClass);
}

std::string TextOf(HWND window) {
  char text[4096] = {};
  ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM context) {
  // The icon is the visible static control that shows an icon.
  char className[32] = {};
  ::GetClassNameA(child, className, sizeof className);
  const bool isStatic = std::string(className) == "Static";
  if (isStatic && ::IsWindowVisible(child) &&
      (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
      ::SendMessageA(child, STM_GETICON, 0, 0) != 0) {
    *reinterpret_cast<bool*>(context) = true;
    return FALSE;
  }
  return TRUE;
}

bool HasButton(HWND box, int command) {
  HWND button = ::GetDlgItem(box, command);
  return button && ::IsWindowVisible(button);
}

}  // namespace

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId) {
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = FindMessageBox(processId)) != nullptr; })) return std::nullopt;
  MessageBoxSeen seen;
  seen.box = box;
  seen.caption = TextOf(box);
  seen.text = TextOf(::GetDlgItem(box, kTextControl));
  ::EnumChildWindows(box, &FindIcon, reinterpret_cast<LPARAM>(&seen.hasIcon));
  seen.ok = HasButton(box, IDOK);
  seen.yes = HasButton(box, IDYES);
  seen.no = HasButton(box, IDNO);
  seen.cancel = HasButton(box, IDCANCEL);
  return seen;
}

bool ShowsMessageBox(DWORD processId) {
  return FindMessageBox(processId) != nullptr;
}

void Answer(const MessageBoxSeen& box, int command) {
  ::PostMessageA(box.box, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(box.box, command)));
  WaitUntil([&] { return !::IsWindow(box.box); });
}

}  // namespace tarumo::ui
