// open_recorder.exe: stands in for the web browser. Registered as the shell's open command for
// ".html" pages, it appends every argument after the first to the log file that the first
// names, one per line ended by CR LF, and ends.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  HANDLE log = ::CreateFileA(argv[1], FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return 1;
  std::string lines;
  for (int i = 2; i < argc; ++i) lines.append(argv[i]).append("\r\n");
  DWORD written = 0;
  const BOOL ok =
      ::WriteFile(log, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
  ::CloseHandle(log);
  return ok ? 0 : 1;
}
