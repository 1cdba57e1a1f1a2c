// Looks into the files that a test or the program under test wrote.
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace tarumo::testing {

// The whole content of a file, or nothing when it cannot be read.
inline std::optional<std::string> FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Whether a file or a folder stands at `path`.
inline bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace tarumo::testing
