// Initialisation files through the system's private-profile functions, always with full paths.
#pragma once

#include "platform/IniFiles.h"

namespace tarumo {

class Win32IniFiles final : public IniFiles {
 public:
  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) override;
  void WriteString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

}  // namespace tarumo
