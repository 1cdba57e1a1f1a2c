// The temporary folder of Windows, from GetTempPathA.
#pragma once

#include "platform/TempDirectory.h"

namespace tarumo {

class Win32TempDirectory final : public TempDirectory {
 public:
  std::optional<std::string> Path() const override;
};

}  // namespace tarumo
