// Which characters of the common classes a glyph library has no picture for, so that its
// makers see what is left. Looked up as the program looks them up.
#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextServices.h"

namespace tarumo::cli {

struct ClassCoverage {
  std::string name;                  // "hiragana"
  int characters = 0;                // how many the class has
  std::vector<std::string> missing;  // keys without a glyph, code page 932, in class order
};

// The classes, each with the keys the program looks up for them: the printable ASCII
// characters through their full-width forms, the hiragana and katakana of code page 932, the
// common Japanese punctuation and brackets, the symbols of code page 932's first row, its
// box-drawing lines and the circled numbers, the kanji of each school year and the 1,000 most
// frequent kanji.
std::vector<std::pair<std::string, std::vector<std::string>>> CoverageClasses(
    const TextServices& text);

// The coverage of the library in `programFolder` (code page 932, ending in a backslash).
std::vector<ClassCoverage> FindMissingGlyphs(const std::string& programFolder,
                                             const FileSystem& files, const TextServices& text);

}  // namespace tarumo::cli
