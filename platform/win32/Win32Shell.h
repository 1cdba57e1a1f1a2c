// The Windows shell: ShellExecuteA with the default verb and the window hidden.
#pragma once

#include "platform/Shell.h"

namespace tarumo {

class Win32Shell final : public Shell {
 public:
  void Open(const std::string& file) override;
};

}  // namespace tarumo
