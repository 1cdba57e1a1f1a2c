// The arguments of the command line that started the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarumo {

// The arguments of `commandLine`, the program's name first. Arguments are separated by
// characters of code 32 or less; a pair of double quotes groups blanks into an argument and
// the quotes themselves are dropped, so that "" is an empty argument.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The first argument after the program's name, if there is one.
std::optional<std::string> FirstArgument(std::string_view commandLine);

}  // namespace tarumo
