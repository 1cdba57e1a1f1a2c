// The command line that started the process, program name first.
#pragma once

#include <string>

namespace tarumo {

std::string ProcessCommandLine();

}  // namespace tarumo
