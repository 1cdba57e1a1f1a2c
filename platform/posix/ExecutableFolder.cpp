#include "platform/posix/ExecutableFolder.h"

namespace tarumo {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path();
  return executable.parent_path();
}

}  // namespace tarumo
