#include "documents/CommandLine.h"

namespace tarumo {
namespace {

// No byte of code 32 or less and no double quote is ever the trail byte of a double-byte
// character, so the line can be cut byte by byte.
bool IsSeparator(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  std::size_t at = 0;
  while (at < commandLine.size()) {
    if (IsSeparator(commandLine[at])) {
      ++at;
      continue;
    }
    std::string argument;
    bool quoted = false;
    for (; at < commandLine.size() && (quoted || !IsSeparator(commandLine[at])); ++at) {
      if (commandLine[at] == '"') {
        quoted = !quoted;
      } else {
        argument += commandLine[at];
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

std::optional<std::string> FirstArgument(std::string_view commandLine) {
  auto arguments = SplitCommandLine(commandLine);
  if (arguments.size() < 2) return std::nullopt;
  return std::move(arguments[1]);
}

}  // namespace tarumo
