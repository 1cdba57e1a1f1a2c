// A file system of files held in memory, as the web page's module has its glyph libraries: the
// pack shipped beside the page, and a folder that the reader picked.
//
// Files are named as the POSIX file system names them (UTF-8, slashes: "data/あ.txt") and
// reached by the program's code page 932 paths with backslashes, turned into names as
// PosixFileSystem turns them, so both find the same file for the same key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/FileSystem.h"

namespace tarumo::web {

class PackedFiles final : public FileSystem {
 public:
  bool IsFile(const std::string& path) const override;
  std::string ReadAll(const std::string& path) const override;

  // Adds or replaces the file of that name.
  void Add(std::string name, std::string bytes) { files_[std::move(name)] = std::move(bytes); }
  void Clear() { files_.clear(); }
  std::size_t size() const { return files_.size(); }

  // Reads a glyph pack: "TARUMO-GLYPHS 1\n", then for every file its name's length and its
  // length (32-bit little-endian), its UTF-8 name and its bytes. Adds its files and returns
  // how many; nothing is added from a pack that is cut short or not one.
  std::size_t AddPack(std::string_view pack);

 private:
  std::unordered_map<std::string, std::string> files_;
};

// The name of a program path: its UTF-8 form (its bytes as they are when they are not code
// page 932), with slashes for backslashes.
std::string PackedName(const std::string& path);

}  // namespace tarumo::web
