// Looks into the files that a test or the program under test wrote.
#pragma once

#include <windows.h>

#include <cstdint>
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

// The size of a file, found without opening it: the program under test refuses to replace a
// file that another program holds open, so a file it is about to replace is watched this way.
inline std::optional<std::uint64_t> FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

// Whether a file or a folder stands at `path`.
inline bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace tarumo::testing
