#include "conversion/GlyphFiles.h"

#include <cstring>

#include "common/Error.h"
#include "common/TextLines.h"

namespace tarumo {
namespace {

constexpr std::string_view kExtFolder = "ext\\";
constexpr std::string_view kSuffix = ".txt";

// A plain unsigned byte-by-byte comparison; a prefix sorts first.
int CompareBytes(std::string_view a, std::string_view b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  const int order = common ? std::memcmp(a.data(), b.data(), common) : 0;
  if (order != 0) return order;
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool InRange(std::string_view key, std::string_view low, std::string_view high) {
  return CompareBytes(key, low) >= 0 && CompareBytes(key, high) <= 0;
}

std::string GlyphPath(const std::string& programFolder, std::string_view folder,
                      std::string_view key) {
  std::string path;
  path.reserve(programFolder.size() + folder.size() + key.size() + kSuffix.size());
  path.append(programFolder).append(folder).append(key).append(kSuffix);
  return path;
}

}  // namespace

const char* ClassFolderOf(std::string_view key) {
  // The bounds as bytes, so that no compiler's literal encoding can move them: ａ to ｚ, Ａ to Ｚ.
  if (InRange(key, "\x82\x81", "\x82\x9A")) return "low\\";
  if (InRange(key, "\x82\x60", "\x82\x79")) return "up\\";
  return "data\\";
}

std::optional<std::string> FindGlyphFile(const std::string& programFolder, std::string_view key,
                                         const FileSystem& files) {
  std::string path = GlyphPath(programFolder, kExtFolder, key);
  if (files.IsFile(path)) return path;
  path = GlyphPath(programFolder, ClassFolderOf(key), key);
  if (files.IsFile(path)) return path;
  return std::nullopt;
}

std::vector<std::string> SplitGlyphText(std::string_view bytes) {
  const std::size_t nul = bytes.find('\0');
  return SplitLines(bytes.substr(0, nul));
}

GlyphRows ReadGlyphRows(const std::string& path, const FileSystem& files) {
  std::vector<std::string> lines = SplitGlyphText(files.ReadAll(path));
  if (lines.size() < 3) {
    throw Error(
        FormatNumber(messages::kListIndexOutOfBounds, static_cast<long long>(lines.size())));
  }
  return {std::move(lines[0]), std::move(lines[1]), std::move(lines[2])};
}

}  // namespace tarumo
