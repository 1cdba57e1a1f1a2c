// The file system of a POSIX machine, reached with the program's code page 932 paths.
//
// A path is turned into a file name by converting its bytes to UTF-8 and its backslashes to
// slashes, so the glyph library keeps readable UTF-8 names ("data/あ.txt") that Windows finds
// from the same Shift-JIS key.
#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace tarumo {

class PosixFileSystem final : public FileSystem {
 public:
  bool IsFile(const std::string& path) const override;
  std::string ReadAll(const std::string& path) const override;
};

// The POSIX name of a program path. Bytes that are not code page 932 are kept as they are.
std::string NativePath(const std::string& path);

}  // namespace tarumo
