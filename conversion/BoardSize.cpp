#include "conversion/BoardSize.h"

namespace tarumo {

std::int64_t BoardBytesOfLine(std::string_view line) {
  std::int64_t bytes = static_cast<std::int64_t>(line.size());
  for (const char c : line) {
    switch (c) {
      case '<':  // &lt;
      case '>':  // &gt;
        bytes += 3;
        break;
      case '&':  // &amp;
        bytes += 4;
        break;
      case '"':  // &quot;
        bytes += 5;
        break;
      default:
        break;
    }
  }
  return bytes;
}

BoardSize BoardSizeOfText(std::string_view text) {
  BoardSize size;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t stop = text.find_first_of("\r\n", start);
    if (stop == std::string_view::npos) {
      size.AddLine(BoardBytesOfLine(text.substr(start)));
      break;
    }
    size.AddLine(BoardBytesOfLine(text.substr(start, stop - start)));
    start = stop + (text.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
  }
  return size;
}

}  // namespace tarumo
