// Where the running program lives, on Windows.
#pragma once

#include <string>

namespace tarumo {

// The full path of the running executable, code page 932 bytes.
std::string ExecutablePath();

}  // namespace tarumo
