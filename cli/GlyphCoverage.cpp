#include "cli/GlyphCoverage.h"

#include "conversion/CharacterKeys.h"
#include "conversion/GlyphFiles.h"

namespace tarumo::cli {
namespace {

// Japanese punctuation and brackets beyond the full-width forms of ASCII.
constexpr const char* kPunctuation = "、。・゛゜ゝゞヽヾ々〃―‐…‥‘’“”〔〕〈〉《》「」『』【】";

constexpr const char* kFirstGradeKanji =
    "一右雨円王音下火花貝学気九休玉金空月犬見五口校左三山子四糸字耳七車手十出女小上森人水正生青"
    "夕石赤千川先早草足村大男竹中虫町天田土二日入年白八百文木本名目立力林六";

std::vector<std::string> KeysOf(std::string_view text, const TextServices& services) {
  return SplitCharacterKeys(text, services);
}

// The double-byte characters from `first` to `last`, skipping the trail byte 0x7F.
std::vector<std::string> Range(unsigned first, unsigned last) {
  std::vector<std::string> keys;
  for (unsigned code = first; code <= last; ++code) {
    if ((code & 0xFF) == 0x7F) continue;
    keys.push_back({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
  }
  return keys;
}

}  // namespace

std::vector<std::pair<std::string, std::vector<std::string>>> CoverageClasses(
    const TextServices& text) {
  std::string ascii;
  for (char c = 0x20; c < 0x7F; ++c) ascii += c;
  std::vector<std::string> katakana = Range(0x8340, 0x8396);  // ァ to ヶ
  katakana.push_back("ー");
  return {
      {"ASCII (full-width)", KeysOf(text.FoldFullWidth(ascii), text)},
      {"hiragana", Range(0x829F, 0x82F1)},  // ぁ to ん
      {"katakana", katakana},
      {"punctuation", KeysOf(kPunctuation, text)},
      {"kanji of the first school year", KeysOf(kFirstGradeKanji, text)},
  };
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
