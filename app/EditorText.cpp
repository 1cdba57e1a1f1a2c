#include "app/EditorText.h"

#include <algorithm>

namespace tarumo {

std::string_view WithoutLineBreak(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

std::string WithCrLfLineBreaks(std::string_view text) {
  // CR and LF never occur as the second byte of a double-byte character.
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '\r') {
      out.append("\r\n");
      if (at + 1 < text.size() && text[at + 1] == '\n') ++at;
    } else if (c == '\n') {
      out.append("\r\n");
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::vector<std::string> SplitEditorLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string_view::npos; start = at + 2) {
    lines.emplace_back(text.substr(start, at - start));
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

int CountedLines(int reportedLines, bool lastLineEmpty) {
  if (reportedLines <= 0) return 0;
  return lastLineEmpty ? reportedLines - 1 : reportedLines;
}

std::size_t ByteOffsetOf(std::string_view text, int line, int column) {
  std::size_t at = 0;
  for (int i = 0; i < line; ++i) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string_view::npos) return text.size();
    at = end + 2;
  }
  const std::size_t lineEnd = std::min(text.find("\r\n", at), text.size());
  for (int i = 0; i < column && at < lineEnd; ++i) {
    // Code page 932's lead bytes start a character of two bytes.
    const auto byte = static_cast<unsigned char>(text[at]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    at += lead && at + 1 < lineEnd ? 2 : 1;
  }
  return at;
}

}  // namespace tarumo
