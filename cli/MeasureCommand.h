// tarumo2-cli measure [--encoding E] [--post-bytes N] [--post-lines M] [FILE]: the widest row
// set of a giant text already made, and how many posts it needs.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarumo::cli {

// Reads the giant text of FILE (or of `in`) line by line, finds its row sets as RowSetFinder
// does, and writes to `out` how many there are, the widest in dots in the reader's font and,
// with a limit, the posts it needs. Returns 0; 1 when a row set alone is over a post's limit;
// 2 for bad usage or input that is not valid in its encoding.
int RunMeasure(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace tarumo::cli
