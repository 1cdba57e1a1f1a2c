#include "tests/ui/DroppedFiles.h"

// DROPFILES; shlobj.h builds on the windows.h of the header above.
#include <shlobj.h>

#include <cstring>

namespace tarumo::ui {

namespace {

bool PostDrop(DWORD processId, HWND window, POINT clientPoint,
              const std::vector<std::string>& names) {
  // DROPFILES, then every name with its zero byte, then one more zero byte.
  std::vector<char> list(sizeof(DROPFILES), '\0');
  for (const auto& name : names)
    list.insert(list.end(), name.c_str(), name.c_str() + name.size() + 1);
  list.push_back('\0');
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.pt = clientPoint;
  header.fWide = FALSE;
  std::memcpy(list.data(), &header, sizeof header);

  HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return false;
  void* remote = ::VirtualAllocEx(process, nullptr, list.size(), MEM_COMMIT, PAGE_READWRITE);
  SIZE_T written = 0;
  const bool placed = remote &&
                      ::WriteProcessMemory(process, remote, list.data(), list.size(), &written) &&
                      written == list.size();
  ::CloseHandle(process);
  return placed && ::PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

}  // namespace

bool DropFiles(DWORD processId, HWND window, const std::vector<std::string>& names) {
  return PostDrop(processId, window, {0, 0}, names);
}

HWND DropWindowAt(POINT screenPoint) {
  HWND window = ::WindowFromPoint(screenPoint);
  while (window && !(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES)) {
    window = (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? ::GetParent(window) : nullptr;
  }
  return window;
}

bool DropFilesAt(DWORD processId, POINT screenPoint, const std::vector<std::string>& names) {
  HWND window = DropWindowAt(screenPoint);
  if (!window) return false;
  POINT clientPoint = screenPoint;
  ::ScreenToClient(window, &clientPoint);
  return PostDrop(processId, window, clientPoint, names);
}

}  // namespace tarumo::ui
