// The temporary folder of a POSIX machine: $TMPDIR, else /tmp.
#pragma once

#include "platform/TempDirectory.h"

namespace tarumo {

class PosixTempDirectory final : public TempDirectory {
 public:
  std::optional<std::string> Path() const override;
};

}  // namespace tarumo
