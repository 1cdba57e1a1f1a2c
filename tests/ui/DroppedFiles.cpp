#include "tests/ui/DroppedFiles.h"

// DROPFILES; shlobj.h builds on the windows.h of the header above.
#include <shlobj.h>

#include <cstring>

namespace tarumo::ui {

bool DropFiles(DWORD processId, HWND window, const std::vector<std::string>& names) {
  // DROPFILES, then every name with its zero byte, then one more zero byte.
  std::vector<char> list(sizeof(DROPFILES), '\0');
  for (const auto& name : names)
    list.insert(list.end(), name.c_str(), name.c_str() + name.size() + 1);
  list.push_back('\0');
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
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

}  // namespace tarumo::ui
