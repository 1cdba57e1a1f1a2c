// tarumo2-cli's conversion: input text to giant text.
#pragma once

#include <iosfwd>

#include "cli/CliOptions.h"

namespace tarumo::cli {

// Converts `in` to `out`, messages to `err`. Returns the exit status: 0 converted, 1 the pass
// failed, 2 the input or the glyph folder could not be taken.
int RunConvert(const ConvertOptions& options, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace tarumo::cli
