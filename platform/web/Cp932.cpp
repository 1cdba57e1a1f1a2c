#include "platform/web/Cp932.h"

#include <algorithm>

#include "platform/web/Cp932Tables.h"

namespace tarumo::web {
namespace {

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

unsigned LeadIndex(unsigned char lead) {
  return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | code >> 6));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | code >> 12));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

// The code point that starts `text` at `at`, moving past it; nothing for bytes that are not
// well-formed UTF-8 (overlong forms, surrogates and values past U+10FFFF included).
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  char32_t value = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (at + length > text.size()) return std::nullopt;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = (value << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return std::nullopt;
  }
  at += length;
  return value;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2 + 1);
  for (std::size_t at = 0; at < cp932.size(); ++at) {
    const auto byte = static_cast<unsigned char>(cp932[at]);
    std::uint16_t code = cp932::kSingleByte[byte];
    if (IsLeadByte(byte)) {
      if (at + 1 == cp932.size()) return std::nullopt;
      const auto trail = static_cast<unsigned char>(cp932[++at]);
      if (trail < cp932::kFirstTrail || trail >= cp932::kFirstTrail + cp932::kTrailBytes) {
        return std::nullopt;
      }
      code = cp932::kDoubleByte[LeadIndex(byte)][trail - cp932::kFirstTrail];
    }
    if (code == cp932::kNoCharacter) return std::nullopt;
    AppendUtf8(out, code);
  }
  return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  const auto* first = cp932::kEncoded;
  const auto* last = cp932::kEncoded + cp932::kEncodedCount;
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const auto code = NextCodePoint(utf8, at);
    if (!code) return std::nullopt;
    if (*code < 0x80) {
      // iconv keeps ASCII as it is in code page 932; make-cp932-table checks it.
      out.push_back(static_cast<char>(*code));
      continue;
    }
    const auto* found = std::lower_bound(first, last, *code,
                                         [](const cp932::EncodedCharacter& entry, char32_t value) {
                                           return entry.codePoint < value;
                                         });
    if (found == last || found->codePoint != *code) return std::nullopt;
    if (found->bytes > 0xFF) out.push_back(static_cast<char>(found->bytes >> 8));
    out.push_back(static_cast<char>(found->bytes & 0xFF));
  }
  return out;
}

}  // namespace tarumo::web
