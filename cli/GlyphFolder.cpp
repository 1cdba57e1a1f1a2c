#include "cli/GlyphFolder.h"

#include "platform/posix/ExecutableFolder.h"

namespace tarumo::cli {

std::filesystem::path GlyphFolderOr(const std::optional<std::string>& given) {
  return given ? std::filesystem::path(*given) : ExecutableFolder() / "glyphs";
}

std::optional<std::string> UnusableGlyphFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    return "no glyph library at " + folder.string();
  }
  for (const char* part : {"ext", "low", "up", "data"}) {
    if (std::filesystem::is_directory(folder / part, error)) return std::nullopt;
  }
  return "no glyph folder (ext, low, up or data) in " + folder.string();
}

}  // namespace tarumo::cli
