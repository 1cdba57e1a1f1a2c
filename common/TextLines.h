// Cutting a text into lines, the one rule shared by files and editors.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarumo {

// Splits `text` at CR LF, a lone CR or a lone LF. The breaks are not part of the lines, and a
// break at the very end does not start a further, empty line: "a\r\n" is one line, "" none.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace tarumo
