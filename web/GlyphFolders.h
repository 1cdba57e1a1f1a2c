// The glyph files the web page converts with: the library shipped beside the page, and the
// reader's own folder for that visit, which takes the place of the shipped one for every
// character it has a glyph of (in its `ext` or in the class folder of the character).
#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/web/PackedFiles.h"

namespace tarumo::web {

class GlyphFolders final : public FileSystem {
 public:
  bool IsFile(const std::string& path) const override;
  std::string ReadAll(const std::string& path) const override;

  PackedFiles& shipped() { return shipped_; }
  PackedFiles& readers() { return readers_; }

 private:
  // The reader's folder for the key of a path "<folder>\<key>.txt", else the shipped one.
  const PackedFiles& FolderOf(const std::string& path) const;

  PackedFiles shipped_;
  PackedFiles readers_;
};

}  // namespace tarumo::web
