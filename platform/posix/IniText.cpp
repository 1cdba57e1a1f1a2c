#include "platform/posix/IniText.h"

#include <vector>

namespace tarumo {
namespace {

constexpr std::string_view kBreak = "\r\n";

struct Line {
  std::string_view body;  // without its break
  std::string_view brk;   // "\r\n", "\n", "\r" or nothing at the end of the text
};

std::vector<Line> SplitKeepingBreaks(std::string_view text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back({text.substr(start), {}});
      break;
    }
    const std::size_t length =
        (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
    lines.push_back({text.substr(start, end - start), text.substr(end, length)});
    start = end + length;
  }
  return lines;
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The name of a section line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view body) {
  const std::string_view line = Trim(body);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  return Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view body) {
  const std::string_view line = Trim(body);
  const auto equals = line.find('=');
  if (line.empty() || line.front() == ';' || equals == std::string_view::npos) return std::nullopt;
  return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Where a section's lines are: its header line and the line after its last one.
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i].body);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end].body)) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::string Join(const std::vector<Line>& lines) {
  std::string text;
  for (const Line& line : lines) text.append(line.body).append(line.brk);
  return text;
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
  const auto lines = SplitKeepingBreaks(text);
  const auto span = FindSection(lines, section);
  if (!span) return std::nullopt;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    const auto entry = EntryOf(lines[i].body);
    if (entry && SameName(entry->key, key)) return std::string(Unquoted(entry->value));
  }
  return std::nullopt;
}

std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
  auto lines = SplitKeepingBreaks(text);
  const auto span = FindSection(lines, section);
  if (!span) {
    std::string result(text);
    if (!result.empty() && result.back() != '\n' && result.back() != '\r') result += kBreak;
    result.append("[").append(section).append("]").append(kBreak);
    result.append(key).append("=").append(value).append(kBreak);
    return result;
  }

  const std::string entry = std::string(key) + "=" + std::string(value);
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    const auto found = EntryOf(lines[i].body);
    if (!found || !SameName(found->key, key)) continue;
    const std::string rewritten = std::string(found->key) + "=" + std::string(value);
    lines[i].body = rewritten;
    return Join(lines);
  }

  // A new key goes after the section's last line that is not blank.
  std::size_t after = span->header;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (!Trim(lines[i].body).empty()) after = i;
  }
  if (lines[after].brk.empty()) lines[after].brk = kBreak;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after) + 1, Line{entry, kBreak});
  return Join(lines);
}

}  // namespace tarumo
