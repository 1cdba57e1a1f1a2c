// Checking a glyph library: that the program finds and reads every file as it was meant, and
// that every picture stays aligned in the reader's font once the output editor has it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarumo::cli {

struct GlyphProblem {
  std::string file;     // relative to the library, "data/あ.txt" (UTF-8)
  std::string message;  // UTF-8
};

struct GlyphCheckResult {
  int filesChecked = 0;
  std::vector<GlyphProblem> problems;
};

// Every problem of the glyph files' contents (code page 932 bytes): fewer than three lines,
// bytes that are not Shift-JIS, characters whose width is not known for certain, rows of
// unequal width, rows that the output spacing rules would change.
std::vector<std::string> CheckGlyphText(std::string_view bytes);

// The problem with the name of the file `fileName` (UTF-8) in the glyph folder `folder`
// ("ext", "low", "up" or "data"), if any: not a ".txt" file, not exactly one character, a
// character whose key is not its own, or a class folder that is not the character's.
std::optional<std::string> CheckGlyphName(std::string_view folder, const std::string& fileName);

// Checks every entry of the folders ext, low, up and data under `library`, in name order.
GlyphCheckResult CheckGlyphLibrary(const std::filesystem::path& library);

}  // namespace tarumo::cli
