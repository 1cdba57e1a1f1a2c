// tarumo2-cli coverage [--glyphs DIR] [--encoding E] [--top N] [FILE]: how much of a text the
// glyph library can draw.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarumo::cli {

// Reads the text of FILE (or of `in`) line by line and writes to `out` the share of its
// non-blank characters, and of its Japanese characters, that have a glyph, and the N
// characters (default 20) most often without one. Returns 0, or 2 for bad usage, a glyph
// library that is not there or input that is not valid in its encoding.
int RunCoverage(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                std::ostream& err);

}  // namespace tarumo::cli
