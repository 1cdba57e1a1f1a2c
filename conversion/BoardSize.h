// What a bulletin board counts of a post against its limits: Shift-JIS bytes, every line
// break as two bytes (CR LF), and each of < > & " as the HTML entity the board stores for it.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarumo {

struct BoardSize {
  std::int64_t bytes = 0;
  std::int64_t lines = 0;

  // Adds a line of `lineBytes` below the others, with the break before it.
  void AddLine(std::int64_t lineBytes) {
    bytes += lineBytes + (lines > 0 ? 2 : 0);
    ++lines;
  }
};

// The bytes a board counts of one line of code page 932 text, without its break. The four
// characters are single bytes that no trail byte can be, so the count goes byte by byte.
std::int64_t BoardBytesOfLine(std::string_view line);

// The size of a text whose lines end at CR LF, a lone CR or a lone LF; a break at the very end
// starts no further line, as a board drops it.
BoardSize BoardSizeOfText(std::string_view text);

}  // namespace tarumo
