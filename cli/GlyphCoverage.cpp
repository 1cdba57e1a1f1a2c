#include "cli/GlyphCoverage.h"

#include "cli/KanjiClasses.h"
#include "conversion/CharacterKeys.h"
#include "conversion/GlyphFiles.h"
#include "platform/posix/Cp932.h"

namespace tarumo::cli {
namespace {

// Japanese punctuation and brackets beyond the full-width forms of ASCII.
constexpr const char* kPunctuation = "、。・゛゜ゝゞヽヾ々〃―‐…‥‘’“”〔〕〈〉《》「」『』【】";

std::vector<std::string> KeysOf(std::string_view text, const TextServices& services) {
  return SplitCharacterKeys(text, services);
}

// The characters of code page 932 from `first` to `last`, skipping codes that hold none.
std::vector<std::string> Range(unsigned first, unsigned last) {
  std::vector<std::string> keys;
  for (unsigned code = first; code <= last; ++code) {
    const std::string key{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    if (Cp932ToUtf8(key)) keys.push_back(key);
  }
  return keys;
}

std::vector<std::string> Concatenated(std::vector<std::string> a,
                                      const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

std::vector<std::pair<std::string, std::vector<std::string>>> CoverageClasses(
    const TextServices& text) {
  std::string ascii;
  for (char c = 0x20; c < 0x7F; ++c) ascii += c;
  std::vector<std::string> katakana = Range(0x8340, 0x8396);  // ァ to ヶ
  katakana.push_back("ー");
  std::vector<std::pair<std::string, std::vector<std::string>>> classes = {
      {"ASCII (full-width)", KeysOf(text.FoldFullWidth(ascii), text)},
      {"hiragana", Range(0x829F, 0x82F1)},  // ぁ to ん
      {"katakana", katakana},
      {"punctuation", KeysOf(kPunctuation, text)},
      // The symbol row (　 to ◯), the box-drawing lines (─ to ╂), the circled numbers ① to ⑳.
      {"symbols", Concatenated(Concatenated(Range(0x8140, 0x81FC), Range(0x849F, 0x84BE)),
                               Range(0x8740, 0x8753))},
  };
  for (std::size_t year = 0; year < kSchoolYearKanji.size(); ++year) {
    classes.push_back(
        {"kanji, school year " + std::to_string(year + 1), KeysOf(kSchoolYearKanji[year], text)});
  }
  classes.push_back({"frequent kanji", KeysOf(kFrequentKanji, text)});
  classes.push_back({"greek", Range(0x839F, 0x83D6)});
  classes.push_back({"cyrillic", Range(0x8440, 0x8491)});
  // The machine-dependent marks (① to ㍼, ∮, ∑ ...) and the non-kanji of the IBM extensions
  // (ⅰ to ⅹ, Ⅰ to Ⅹ once more, ￢, ￤, ＇, ＂).
  classes.push_back({"row 13", Concatenated(Range(0x8740, 0x879C), Range(0xFA40, 0xFA57))});
  classes.push_back({"kanji, first level", Range(0x889F, 0x9872)});
  classes.push_back({"kanji, second level (board)", KeysOf(kBoardKanji, text)});
  return classes;
}

std::vector<ClassCoverage> FindMissingGlyphs(const std::string& programFolder,
                                             const FileSystem& files, const TextServices& text) {
  std::vector<ClassCoverage> coverage;
  for (auto& [name, keys] : CoverageClasses(text)) {
    ClassCoverage entry{name, static_cast<int>(keys.size()), {}};
    for (const std::string& key : keys) {
      if (!FindGlyphFile(programFolder, key, files)) entry.missing.push_back(key);
    }
    coverage.push_back(std::move(entry));
  }
  return coverage;
}

}  // namespace tarumo::cli
