// The Windows file system, reached with the ANSI functions in code page 932.
#pragma once

#include "platform/FileSystem.h"

namespace tarumo {

class Win32FileSystem final : public FileSystem {
 public:
  bool IsFile(const std::string& path) const override;
  std::string ReadAll(const std::string& path) const override;
};

}  // namespace tarumo
