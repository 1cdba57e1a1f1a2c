#include "conversion/ConversionPass.h"

#include <cstdio>
#include <string>
#include <vector>

#include "common/Error.h"
#include "common/StrToInt.h"
#include "conversion/LineConverter.h"
#include "conversion/MissingGlyphReport.h"

namespace tarumo {
namespace {

constexpr int kQuestionAboveLines = 120;
constexpr const char* kLongInputCaption = "|!|(!ﾟ ヮﾟﾉ!.";
constexpr const char* kLongInputText =
    "テキストが多いと変換に時間がかかるかもしれませんよ？\n続けてみますか？　みませんか？";
constexpr const char* kPreparing = "準備中";
constexpr const char* kPhaseOneDone = "10%";
constexpr const char* kDone = "100%";
constexpr const char* kTooManySpacingLines = "'%s' は行間として大きすぎます (1000 まで)";

// Phase 1: every input line becomes three rows and its spacing lines.
std::vector<std::string> BuildOutputLines(ConversionHost& host, const GlyphLibrary& library,
                                          int inputLines, MissingGlyphReport& missing) {
  LineConverter converter(library);
  std::vector<std::string> output;
  GlyphRows rows;
  std::vector<std::string> missingKeys;
  for (int i = 0; i < inputLines; ++i) {
    missingKeys.clear();
    converter.Convert(host.InputLine(i), rows, missingKeys);
    for (const std::string& key : missingKeys) missing.Add(key);
    if (!missing.empty()) {
      host.SetStatusPanel(StatusPanel::kMissingGlyphs, missing.Message());
      host.Repaint();
    }
    for (const std::string& row : rows) output.push_back(row);
    output.resize(output.size() + SpacingLines(host.BlankLineText()));
  }
  return output;
}

}  // namespace

int SpacingLines(const std::string& text) {
  const int value = StrToInt(text);
  if (value > kMaxSpacingLines) throw Error(FormatText(kTooManySpacingLines, text));
  return value > 0 ? value : 0;
}

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
