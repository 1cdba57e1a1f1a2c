#include "platform/win32/ModulePath.h"

#include <windows.h>

#include "platform/win32/LastError.h"

namespace tarumo {

std::string ExecutablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) throw LastError();
    // A full buffer means the path may have been cut short: try again with more room.
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace tarumo
