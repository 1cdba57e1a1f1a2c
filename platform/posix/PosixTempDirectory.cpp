#include "platform/posix/PosixTempDirectory.h"

#include <cstdlib>

#include "platform/posix/Cp932.h"

namespace tarumo {

std::optional<std::string> PosixTempDirectory::Path() const {
  const char* variable = std::getenv("TMPDIR");
  std::string folder = variable && *variable ? variable : "/tmp";
  if (folder.back() != '/') folder += '/';
  // The program's paths are code page 932; a folder that has no such name cannot be used.
  return Utf8ToCp932(folder);
}

}  // namespace tarumo
