#include "conversion/ConversionPass.h"

#include <cstdio>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/Error.h"
#include "common/StrToInt.h"
#include "conversion/CharacterKeys.h"
#include "conversion/GlyphFiles.h"

namespace tarumo {
namespace {

constexpr int kQuestionAboveLines = 120;
constexpr const char* kLongInputCaption = "|!|(!ﾟ ヮﾟﾉ!.";
constexpr const char* kLongInputText =
    "テキストが多いと変換に時間がかかるかもしれませんよ？\n続けてみますか？　みませんか？";
constexpr const char* kPreparing = "準備中";
constexpr const char* kPhaseOneDone = "10%";
constexpr const char* kDone = "100%";
constexpr const char* kMissingPrefix = "[ ﾟдﾟ]＜";
constexpr const char* kMissingSuffix = "が変換できません！！";
constexpr const char* kMissingOpen = "『";
constexpr const char* kMissingClose = "』";
constexpr const char* kTooManySpacingLines = "'%s' は行間として大きすぎます (1000 まで)";

// The glyphs of one pass. A key is looked up and read once per pass; the next pass starts
// afresh, so glyph files changed between passes take effect.
class GlyphCache {
 public:
  explicit GlyphCache(const GlyphLibrary& library) : library_(library) {}

  // The rows of `key`, or nothing when it has no glyph file.
  const std::optional<GlyphRows>& Find(const std::string& key) {
    auto found = glyphs_.find(key);
    if (found != glyphs_.end()) return found->second;
    std::optional<GlyphRows> rows;
    if (auto path = FindGlyphFile(library_.programFolder, key, library_.files)) {
      rows = ReadGlyphRows(*path, library_.files);
    }
    return glyphs_.emplace(key, std::move(rows)).first->second;
  }

 private:
  const GlyphLibrary& library_;
  std::unordered_map<std::string, std::optional<GlyphRows>> glyphs_;
};

int SpacingLines(const std::string& text) {
  const int value = StrToInt(text);
  if (value > kMaxSpacingLines) throw Error(FormatText(kTooManySpacingLines, text));
  return value > 0 ? value : 0;
}

// The second panel's text: "[ ﾟдﾟ]＜『…』…が変換できません！！". It is grown in place, so
// reporting after every line costs the new keys only, however long the list gets.
class MissingGlyphReport {
 public:
  bool empty() const { return text_.size() == std::char_traits<char>::length(kMissingPrefix); }
  void Add(const std::string& key) { text_.append(kMissingOpen).append(key).append(kMissingClose); }
  // Shows the whole list on the host's second panel.
  void ShowOn(ConversionHost& host) {
    const std::size_t listEnd = text_.size();
    text_.append(kMissingSuffix);
    host.SetStatusPanel(StatusPanel::kMissingGlyphs, text_);
    text_.resize(listEnd);
  }
  std::string Message() const { return empty() ? std::string() : text_ + kMissingSuffix; }

 private:
  std::string text_ = kMissingPrefix;
};

// Phase 1: every input line becomes three rows and its spacing lines.
std::vector<std::string> BuildOutputLines(ConversionHost& host, const GlyphLibrary& library,
                                          int inputLines, MissingGlyphReport& missing) {
  GlyphCache glyphs(library);
  std::vector<std::string> output;
  for (int i = 0; i < inputLines; ++i) {
    const std::string folded = ToFullWidth(host.InputLine(i), library.text);
    GlyphRows rows;
    for (const std::string& key : SplitCharacterKeys(folded, library.text)) {
      if (const auto& glyph = glyphs.Find(key)) {
        for (int k = 0; k < 3; ++k) rows[k] += (*glyph)[k];
      } else {
        missing.Add(key);
      }
    }
    if (!missing.empty()) {
      missing.ShowOn(host);
      host.Repaint();
    }
    for (auto& row : rows) output.push_back(std::move(row));
    output.resize(output.size() + SpacingLines(host.BlankLineText()));
  }
  return output;
}

}  // namespace

std::string ProgressText(int index, int count) {
  char text[32];
  std::snprintf(text, sizeof text, "%3.1f%%", static_cast<double>(index) / count * 100);
  return text;
}

std::string RunConversionPass(ConversionHost& host, const GlyphLibrary& library) {
  host.ClearOutput();
  host.SetStatusPanel(StatusPanel::kProgress, "");
  host.SetStatusPanel(StatusPanel::kMissingGlyphs, "");

  const int inputLines = host.InputLineCount();
  if (inputLines > kQuestionAboveLines && !host.AskYesNo(kLongInputText, kLongInputCaption)) {
    return {};
  }
  if (inputLines == 0) return {};
  host.SetStatusPanel(StatusPanel::kProgress, kPreparing);
  host.Repaint();

  MissingGlyphReport missing;
  const std::vector<std::string> output = BuildOutputLines(host, library, inputLines, missing);

  // Phase 2: the lines go into the output editor one by one, the window staying usable.
  host.SetStatusPanel(StatusPanel::kProgress, kPhaseOneDone);
  host.Repaint();
  const int count = static_cast<int>(output.size());
  for (int r = 0; r < count; ++r) {
    host.AppendOutputLine(output[r]);
    host.SetStatusPanel(StatusPanel::kProgress, ProgressText(r, count));
    host.ProcessMessages();
  }
  host.SetStatusPanel(StatusPanel::kProgress, kDone);
  return missing.Message();
}

}  // namespace tarumo
