#include "cli/TextCodec.h"

#include "common/TextLines.h"
#include "platform/posix/Cp932.h"

namespace tarumo::cli {

bool IsValidUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
      ++at;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, value = lead & 0x07;
    } else {
      return false;
    }
    if (at + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[at + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = (value << 6) | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
      return false;
    }
    at += length;
  }
  return true;
}

namespace {

std::string LineError(std::size_t number, const char* what) {
  return "line " + std::to_string(number) + ": " + what;
}

}  // namespace

DecodedLines DecodeInputLines(std::string_view bytes, Encoding encoding) {
  DecodedLines decoded;
  if (encoding == Encoding::kUtf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::vector<std::string> lines = SplitLines(bytes);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (encoding == Encoding::kCp932) {
      if (!Cp932ToUtf8(lines[i])) {
        decoded.error = LineError(i + 1, "not valid Shift-JIS (code page 932)");
        return decoded;
      }
      continue;
    }
    if (!IsValidUtf8(lines[i])) {
      decoded.error = LineError(i + 1, "not valid UTF-8");
      return decoded;
    }
    auto cp932 = Utf8ToCp932(lines[i]);
    if (!cp932) {
      decoded.error = LineError(i + 1, "a character that code page 932 cannot hold");
      return decoded;
    }
    lines[i] = std::move(*cp932);
  }
  decoded.lines = std::move(lines);
  return decoded;
}

std::string EncodeOutput(std::string_view cp932, Encoding encoding) {
  if (encoding == Encoding::kCp932) return std::string(cp932);
  // Text from glyph files may hold bytes that are not code page 932; they pass unchanged.
  return Cp932ToUtf8(cp932).value_or(std::string(cp932));
}

}  // namespace tarumo::cli
