#include "platform/win32/LastError.h"

#include <windows.h>

#include <string>

namespace tarumo {

Error LastError() {
  const DWORD code = ::GetLastError();
  char text[512] = {};
  DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
  // The system ends its texts with a line break.
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n')) --length;
  if (length == 0) return Error(FormatNumber("Win32 error %d", static_cast<long long>(code)));
  return Error(std::string(text, length));
}

}  // namespace tarumo
