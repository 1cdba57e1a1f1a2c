#include "tests/ui/ProcessWindows.h"

#include <string>

#include "tests/ui/Waiting.h"

namespace tarumo::ui {
namespace {

struct Search {
  DWORD processId;
  std::string_view className;
  const std::function<bool(HWND)>& accept;
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  char className[64] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (search->className != className || !search->accept(window)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, std::string_view className,
                       const std::function<bool(HWND)>& accept) {
  Search search{processId, className, accept};
  ::EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForPopupMenu(DWORD processId) {
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = FindProcessWindow(processId, kPopupMenuClass)) != nullptr; });
  return menu;
}

}  // namespace tarumo::ui
