#include <gtest/gtest.h>

#include <algorithm>

#include "cli/GlyphCoverage.h"
#include "cli/TextCoverage.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTextServices.h"
#include "tests/unit/TempFolder.h"

namespace tarumo::cli {
namespace {

using testing::TempFolder;

bool Has(const std::vector<std::string>& keys, const std::string& key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

TEST(CoverageClasses, AsciiIsLookedUpByItsFullWidthForms) {
  const PosixTextServices text;
  const auto classes = CoverageClasses(text);
  ASSERT_EQ(classes.size(), 17u);
  const auto& ascii = classes[0].second;
  EXPECT_EQ(ascii.size(), 95u);
  EXPECT_EQ(ascii.front(), "　");
  EXPECT_TRUE(Has(ascii, "ａ"));
  EXPECT_TRUE(Has(ascii, "\xFA\x57"));  // the double quote's full-width form
  EXPECT_TRUE(Has(ascii, "＼"));
  EXPECT_TRUE(Has(ascii, "～"));
  EXPECT_FALSE(Has(ascii, ""));  // no printable character is left single-byte
}

TEST(CoverageClasses, KanaRangesHoldEveryKanaOfTheCodePage) {
  const PosixTextServices text;
  const auto classes = CoverageClasses(text);
  const auto& hiragana = classes[1].second;
  EXPECT_EQ(hiragana.size(), 83u);
  EXPECT_EQ(hiragana.front(), "ぁ");
  EXPECT_EQ(hiragana.back(), "ん");
  const auto& katakana = classes[2].second;
  EXPECT_EQ(katakana.size(), 87u);
  EXPECT_EQ(katakana.front(), "ァ");
  EXPECT_TRUE(Has(katakana, "ミ"));  // just after the gap at trail byte 0x7F
  EXPECT_TRUE(Has(katakana, "ヶ"));
  EXPECT_TRUE(Has(katakana, "ー"));
  EXPECT_FALSE(Has(katakana, "\x83\x7F"));
}

TEST(CoverageClasses, SymbolsAreTheFirstRowTheLinesAndTheCircledNumbers) {
  const PosixTextServices text;
  const auto classes = CoverageClasses(text);  // held: the names refer into it
  const auto& [name, symbols] = classes[4];
  EXPECT_EQ(name, "symbols");
  EXPECT_EQ(symbols.size(), 147u + 32u + 20u);  // the codes that hold a character
  EXPECT_EQ(symbols.front(), "　");
  EXPECT_TRUE(Has(symbols, "※"));
  EXPECT_TRUE(Has(symbols, "◯"));
  EXPECT_TRUE(Has(symbols, "━"));
  EXPECT_TRUE(Has(symbols, "╂"));
  EXPECT_FALSE(Has(symbols, "\x81\xAD"));  // a code the row leaves empty
  EXPECT_EQ(symbols.back(), "⑳");
}

TEST(CoverageClasses, KanjiClassesHoldWhatKanjidicGives) {
  const PosixTextServices text;
  const auto classes = CoverageClasses(text);
  const std::size_t perYear[] = {80, 160, 200, 202, 193, 191};
  for (int year = 1; year <= 6; ++year) {
    const auto& [name, kanji] = classes[4 + year];
    EXPECT_EQ(name, "kanji, school year " + std::to_string(year));
    EXPECT_EQ(kanji.size(), perYear[year - 1]) << name;
  }
  EXPECT_TRUE(Has(classes[5].second, "学"));
  EXPECT_TRUE(Has(classes[7].second, "漢"));
  EXPECT_TRUE(Has(classes[8].second, "潟"));  // among the prefectures' kanji of year 4
  EXPECT_FALSE(Has(classes[10].second, "学"));
  const auto& [name, frequent] = classes[11];
  EXPECT_EQ(name, "frequent kanji");
  ASSERT_EQ(frequent.size(), 1000u);
  EXPECT_EQ(frequent.front(), "日");  // the most frequent comes first
  EXPECT_TRUE(Has(frequent, "歳"));   // frequent, yet taught after the sixth year
}

TEST(CoverageClasses, BoardClassesHoldTheCodePagesLettersMarksAndKanji) {
  const PosixTextServices text;
  const auto classes = CoverageClasses(text);
  const auto count = [&](std::size_t index, const std::string& name) {
    EXPECT_EQ(classes[index].first, name);
    return classes[index].second.size();
  };
  EXPECT_EQ(count(12, "greek"), 48u);
  EXPECT_TRUE(Has(classes[12].second, "ω"));
  EXPECT_TRUE(Has(classes[12].second, "Σ"));
  EXPECT_EQ(count(13, "cyrillic"), 66u);
  EXPECT_TRUE(Has(classes[13].second, "Д"));
  EXPECT_TRUE(Has(classes[13].second, "ё"));
  EXPECT_EQ(count(14, "row 13"), 83u + 24u);
  EXPECT_TRUE(Has(classes[14].second, "㈱"));
  EXPECT_TRUE(Has(classes[14].second, "\xFA\x40"));  // ⅰ, of the IBM extensions
  EXPECT_EQ(count(15, "kanji, first level"), 2965u);
  EXPECT_EQ(classes[15].second.front(), "亜");
  EXPECT_EQ(classes[15].second.back(), "腕");
  EXPECT_TRUE(Has(classes[15].second, "乙"));
  const auto& board = classes[16].second;
  EXPECT_EQ(count(16, "kanji, second level (board)"), 361u);
  EXPECT_EQ(board.front(), "彡");
  for (const std::string& kanji : board) {
    // Every one lies in the second level, 0x989F to 0xEAA4.
    const unsigned code =
        static_cast<unsigned char>(kanji[0]) << 8 | static_cast<unsigned char>(kanji[1]);
    EXPECT_TRUE(kanji.size() == 2 && code >= 0x989F && code <= 0xEAA4) << kanji;
  }
}

TEST(FindMissingGlyphs, GlyphsAreFoundWhereTheProgramFindsThem) {
  TempFolder folder;
  folder.Write("data\\あ.txt", "1\r\n2\r\n3\r\n");
  folder.Write("ext\\ｚ.txt", "1\r\n2\r\n3\r\n");
  folder.Write("data\\ｙ.txt", "1\r\n2\r\n3\r\n");  // the wrong class folder: never found
  const PosixFileSystem files;
  const PosixTextServices text;
  const auto coverage = FindMissingGlyphs(folder.ProgramFolder(), files, text);
  ASSERT_EQ(coverage.size(), 17u);
  EXPECT_EQ(coverage[0].characters, 95);
  EXPECT_EQ(coverage[0].missing.size(), 94u);
  EXPECT_FALSE(Has(coverage[0].missing, "ｚ"));
  EXPECT_TRUE(Has(coverage[0].missing, "ｙ"));
  EXPECT_EQ(coverage[1].missing.size(), 82u);
  EXPECT_FALSE(Has(coverage[1].missing, "あ"));
  EXPECT_EQ(coverage[1].missing.front(), "ぁ");
}

TEST(TextCoverageCounter, CountsNonBlankCharactersAsTheConversionLooksThemUp) {
  TempFolder folder;
  folder.Write("low\\ａ.txt", "1\r\n2\r\n3\r\n");
  folder.Write("data\\あ.txt", "1\r\n2\r\n3\r\n");
  folder.Write("data\\.txt", "1\r\n2\r\n3\r\n");  // single-byte characters
  const PosixFileSystem files;
  const PosixTextServices text;
  TextCoverageCounter counter(folder.ProgramFolder(), files, text);
  counter.AddLine("a あ\tい　ｂ、");  // a as ａ; blanks: space, TAB, ideographic space
  counter.AddLine("いい");
  counter.AddCharacterOutsideCp932();
  const TextCoverage& coverage = counter.Coverage();
  EXPECT_EQ(coverage.characters, 8);  // the one outside code page 932 included
  EXPECT_EQ(coverage.drawn, 2);
  EXPECT_EQ(coverage.japanese, 5);  // あ い 、 い い
  EXPECT_EQ(coverage.japaneseDrawn, 1);
  EXPECT_EQ(coverage.notCp932, 1);
  const auto most = coverage.MostMissing(2);
  ASSERT_EQ(most.size(), 2u);
  EXPECT_EQ(most[0], std::make_pair(std::string("い"), std::int64_t{3}));
  EXPECT_EQ(most[1].second, 1);
}

}  // namespace
}  // namespace tarumo::cli
