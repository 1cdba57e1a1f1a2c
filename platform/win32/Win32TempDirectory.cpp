#include "platform/win32/Win32TempDirectory.h"

#include <windows.h>

namespace tarumo {

std::optional<std::string> Win32TempDirectory::Path() const {
  char buffer[256] = {};
  // A result of 0 is a failure; one of 255 or more is the size a longer path would need.
  const DWORD length = ::GetTempPathA(255, buffer);
  if (length == 0 || length >= 255) return std::nullopt;
  return std::string(buffer, length);
}

}  // namespace tarumo
