// The glyph library that a command of tarumo2-cli is given, checked before any work starts.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tarumo::cli {

// The library's folder: `given`, or the folder "glyphs" beside the program.
std::filesystem::path GlyphFolderOr(const std::optional<std::string>& given);

// Why `folder` cannot serve as a glyph library (it is missing, is no folder, or holds none of
// ext, low, up and data), or nothing when it can. A library that could not be found would
// otherwise turn every character into a missing glyph and still count as a conversion.
std::optional<std::string> UnusableGlyphFolder(const std::filesystem::path& folder);

}  // namespace tarumo::cli
