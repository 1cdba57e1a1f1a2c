// tarumo2-cli check-glyphs [--coverage] [DIR]: the glyph library's checker.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarumo::cli {

// Checks the library in DIR (default: the folder "glyphs" beside the program) and writes one
// line per problem and a summary to `out`; with --coverage also the characters of each common
// class that have no glyph. Returns 0 when nothing is wrong, 1 when something is, 2 for bad
// usage or a library that is not there.
int RunCheckGlyphs(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tarumo::cli
