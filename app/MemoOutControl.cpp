#include "app/MemoOutControl.h"

// <windows.h> comes first: the other system headers build on it.
// clang-format off
#include <windows.h>
#include <richedit.h>
#include <ole2.h>
// clang-format on

#include "app/DoubleByteTyping.h"
#include "platform/win32/LastError.h"

namespace tarumo {
namespace {

// Every child of the window clips its siblings: the status bar lies in front of the editor.
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_HSCROLL |
                         WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                         ES_WANTRETURN | ES_DISABLENOSCROLL;

}  // namespace

HWND CreateMemoOutControl(HWND parent, int id, const RECT& place, HFONT font) {
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  HWND control =
      ::CreateWindowExA(WS_EX_CLIENTEDGE, "RICHEDIT", "", kStyle, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (!control) throw LastError();
  // No limit on the giant text's length (the default would cut a long conversion short), no
  // wrapping, and a change notification for every change of the text.
  ::SendMessageA(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  ::SendMessageA(control, EM_SETTARGETDEVICE, 0, 1);
  ::SendMessageA(control, EM_SETEVENTMASK, 0, ENM_CHANGE);
  TakeDoubleByteCharactersWhole(control);
  // Files dropped on the output editor are the window's to load: the control keeps no drop
  // target of its own, which would take a dragged file list and refuse it.
  ::RevokeDragDrop(control);
  ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // Setting the font is a change that some controls record for undo (Wine's does): a fresh
  // editor has nothing to undo.
  ::SendMessageA(control, EM_EMPTYUNDOBUFFER, 0, 0);
  return control;
}

HWND CreateEmptyMemoOutLike(HWND control, HFONT font) {
  HWND parent = ::GetParent(control);
  RECT place{};
  ::GetWindowRect(control, &place);
  ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
  HWND fresh = CreateMemoOutControl(parent, ::GetDlgCtrlID(control), place, font);
  // Right behind the old control among the siblings: the tab order and the overlaps stay.
  ::SetWindowPos(fresh, control, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return fresh;
}

}  // namespace tarumo
