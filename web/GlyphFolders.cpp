#include "web/GlyphFolders.h"

#include <string_view>

#include "conversion/GlyphFiles.h"

namespace tarumo::web {

const PackedFiles& GlyphFolders::FolderOf(const std::string& path) const {
  if (readers_.size() == 0) return shipped_;
  // The folder's name is ASCII and comes first: the first backslash ends it, whatever
  // trail bytes the key holds.
  const std::size_t slash = path.find('\\');
  std::string_view name = std::string_view(path).substr(slash + 1);
  if (slash == std::string::npos || !name.ends_with(".txt")) return shipped_;
  const std::string_view key = name.substr(0, name.size() - 4);
  return FindGlyphFile("", key, readers_) ? readers_ : shipped_;
}

bool GlyphFolders::IsFile(const std::string& path) const {
  return FolderOf(path).IsFile(path);
}

std::string GlyphFolders::ReadAll(const std::string& path) const {
  return FolderOf(path).ReadAll(path);
}

}  // namespace tarumo::web
