// The file system as the glyph library sees it.
//
// Paths are code page 932 bytes with backslashes between folders, as the program builds them.
#pragma once

#include <string>

namespace tarumo {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when an entry of that name exists and is not a directory.
  virtual bool IsFile(const std::string& path) const = 0;

  // Every byte of the file, read while other writers are denied.
  // Raises Error("ファイル <path> は開けません") when it cannot be opened or read.
  virtual std::string ReadAll(const std::string& path) const = 0;
};

}  // namespace tarumo
