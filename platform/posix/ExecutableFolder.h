// Where the running program lives, on a POSIX machine.
#pragma once

#include <filesystem>

namespace tarumo {

// The folder that holds the running executable.
std::filesystem::path ExecutableFolder();

}  // namespace tarumo
