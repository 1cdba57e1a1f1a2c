#include "common/TextLines.h"

namespace tarumo {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (c != '\r' && c != '\n') {
      ++at;
      continue;
    }
    lines.emplace_back(text.substr(start, at - start));
    at += (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
    start = at;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace tarumo
