#include "cli/GlyphCheck.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "conversion/GlyphFiles.h"
#include "conversion/SpacingRules.h"
#include "fontwidths/ReaderFontWidths.h"
#include "platform/posix/Cp932.h"

namespace tarumo::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSuffix = ".txt";
const char* const kGlyphFolders[] = {"ext", "low", "up", "data"};

std::string Hex(std::string_view bytes) {
  std::string text;
  for (char byte : bytes) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%s0x%02X", text.empty() ? "" : " ",
                  static_cast<unsigned char>(byte));
    text += hex;
  }
  return text;
}

std::string Describe(const UnmeasuredCharacter& character) {
  const std::string shown = Cp932ToUtf8(character.bytes).value_or("?");
  switch (character.width.kind) {
    case CharacterWidth::Kind::kNotCp932:
      return Hex(character.bytes) + " at byte " + std::to_string(character.offset) +
             " is not Shift-JIS";
    case CharacterWidth::Kind::kNotInFont:
      return Hex(character.bytes) + " at byte " + std::to_string(character.offset) +
             " has no glyph in the reader's font";
    case CharacterWidth::Kind::kDots:
      break;
  }
  return "'" + shown + "' is " + std::to_string(character.width.bitmap) +
         " dots in the font's bitmaps but " + std::to_string(character.width.outline) +
         " in its outlines, so its width depends on the renderer";
}

std::string SpacingProblem(const std::string& row) {
  if (row.find("  ") != std::string::npos) return "has two half-width spaces in a row";
  if (!row.empty() && row[0] == ' ') {
    return ApplySpacingRulesToLine(row) != row
               ? "starts with a half-width space"
               : "starts with a half-width space, which is lost or doubled beside other glyphs";
  }
  return {};
}

std::string JoinWidths(const std::vector<int>& widths) {
  std::string text;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == widths.size() ? " and " : ", ") + std::to_string(widths[i]);
  }
  return text;
}

}  // namespace

std::vector<std::string> CheckGlyphText(std::string_view bytes) {
  std::vector<std::string> problems;
  std::vector<std::string> lines = SplitGlyphText(bytes);
  if (lines.size() < 3) {
    problems.push_back("has " + std::to_string(lines.size()) +
                       (lines.size() == 1 ? " line" : " lines") + "; a picture needs three");
  }
  lines.resize(std::min<std::size_t>(lines.size(), 3));

  std::vector<int> widths;
  bool measured = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string row = "row " + std::to_string(i + 1) + ": ";
    const RowWidth width = MeasureRow(lines[i]);
    for (const UnmeasuredCharacter& character : width.unmeasured) {
      problems.push_back(row + Describe(character));
    }
    measured = measured && width.unmeasured.empty();
    widths.push_back(width.dots);
    if (const std::string spacing = SpacingProblem(lines[i]); !spacing.empty()) {
      problems.push_back(row + spacing);
    }
  }
  if (measured && lines.size() == 3 &&
      std::adjacent_find(widths.begin(), widths.end(), std::not_equal_to<>()) != widths.end()) {
    problems.push_back("rows differ in width: " + JoinWidths(widths) + " dots");
  }
  return problems;
}

std::optional<std::string> CheckGlyphName(std::string_view folder, const std::string& fileName) {
  if (fileName.size() < kSuffix.size() ||
      fileName.compare(fileName.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) {
    return "not a glyph file: the name does not end in " + std::string(kSuffix);
  }
  const std::string stem = fileName.substr(0, fileName.size() - kSuffix.size());
  const std::optional<std::string> key = Utf8ToCp932(stem);
  if (!key) return "the name '" + stem + "' cannot be written in Shift-JIS";
  if (!key->empty() && CharacterLength(*key) != key->size()) {
    return "the name '" + stem + "' is not exactly one character";
  }
  if (key->size() == 1) {
    return "the name '" + stem +
           "' is a single-byte character, which is looked up under the empty name \".txt\"";
  }
  if (key->size() == 2 && WidthOfCharacter(*key).kind == CharacterWidth::Kind::kNotCp932) {
    return "the name '" + stem + "' is not a Shift-JIS character";
  }
  if (folder == "ext") return std::nullopt;
  std::string classFolder = ClassFolderOf(*key);
  classFolder.pop_back();  // the backslash
  if (folder != classFolder) {
    return "'" + stem + "' belongs in " + classFolder + "/, not in " + std::string(folder) + "/";
  }
  return std::nullopt;
}

GlyphCheckResult CheckGlyphLibrary(const fs::path& library) {
  GlyphCheckResult result;
  bool anyFolder = false;
  for (const char* folder : kGlyphFolders) {
    std::error_code error;
    if (!fs::is_directory(library / folder, error)) continue;
    anyFolder = true;
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(library / folder, error)) {
      entries.push_back(entry.path());
    }
    std::sort(entries.begin(), entries.end());
    for (const fs::path& path : entries) {
      const std::string name = path.filename().string();
      const std::string file = std::string(folder) + "/" + name;
      const auto report = [&](const std::string& message) {
        result.problems.push_back({file, message});
      };
      // Hidden files (a placeholder that keeps an empty folder) are no glyphs; ".txt" is one.
      if (name[0] == '.' && name != kSuffix) continue;
      if (fs::is_directory(path, error)) {
        report("a folder inside a glyph folder");
        continue;
      }
      if (const auto problem = CheckGlyphName(folder, name)) report(*problem);
      if (path.extension() != kSuffix && name != kSuffix) continue;
      ++result.filesChecked;
      // A FIFO or a device would never end, or never start, reading.
      if (!fs::is_regular_file(path, error)) {
        report("not a regular file");
        continue;
      }
      std::ifstream in(path, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      if (!in.good() && !in.eof()) {
        report("cannot be read");
        continue;
      }
      for (const std::string& problem : CheckGlyphText(bytes)) report(problem);
    }
  }
  if (!anyFolder) {
    result.problems.push_back({"", "no glyph folder (ext, low, up or data) in the library"});
  }
  return result;
}

}  // namespace tarumo::cli
