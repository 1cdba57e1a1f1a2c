#include "documents/TextFormat.h"

namespace tarumo {

bool HoldsText(std::string_view text) {
  // Only the empty text has no line: a lone line break is one empty line.
  return !text.empty();
}

std::string EditorTextOf(std::string_view fileBytes) {
  std::string text;
  text.reserve(fileBytes.size() + fileBytes.size() / 16);
  for (std::size_t at = 0; at < fileBytes.size(); ++at) {
    const char c = fileBytes[at];
    if (c == '\r' && at + 1 < fileBytes.size() && fileBytes[at + 1] == '\n') {
      text += "\r\n";
      ++at;
    } else if (c == '\r' || c == '\n') {
      text += "\r\n";
    } else {
      text += c;
    }
  }
  return text;
}

std::string TextFileBytes(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const auto& line : lines) bytes.append(line).append("\r\n");
  return bytes;
}

}  // namespace tarumo
