// Initialisation files on a POSIX machine, by the same rules as the system's private profiles.
#pragma once

#include "platform/IniFiles.h"
#include "platform/posix/PosixFileCalls.h"

namespace tarumo {

class PosixIniFiles final : public IniFiles {
 public:
  explicit PosixIniFiles(const PosixFileCalls& calls = SystemFileCalls()) : calls_(calls) {}

  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) override;
  void WriteString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) override;

 private:
  const PosixFileCalls& calls_;
};

}  // namespace tarumo
