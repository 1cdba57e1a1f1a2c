#include "platform/win32/ProcessCommandLine.h"

#include <windows.h>

namespace tarumo {

std::string ProcessCommandLine() {
  return ::GetCommandLineA();
}

}  // namespace tarumo
