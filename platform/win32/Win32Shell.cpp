#include "platform/win32/Win32Shell.h"

#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

namespace tarumo {

void Win32Shell::Open(const std::string& file) {
  // No owner, no verb, no parameters, no folder; the result is of no interest.
  ::ShellExecuteA(nullptr, nullptr, file.c_str(), nullptr, nullptr, SW_HIDE);
}

}  // namespace tarumo
