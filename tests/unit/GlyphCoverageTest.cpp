#include <gtest/gtest.h>

#include <algorithm>

#include "cli/GlyphCoverage.h"
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
  ASSERT_EQ(classes.size(), 5u);
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
  EXPECT_EQ(classes[4].second.size(), 80u);
}

TEST(FindMissingGlyphs, GlyphsAreFoundWhereTheProgramFindsThem) {
  TempFolder folder;
  folder.Write("data\\あ.txt", "1\r\n2\r\n3\r\n");
  folder.Write("ext\\ｚ.txt", "1\r\n2\r\n3\r\n");
  folder.Write("data\\ｙ.txt", "1\r\n2\r\n3\r\n");  // the wrong class folder: never found
  const PosixFileSystem files;
  const PosixTextServices text;
  const auto coverage = FindMissingGlyphs(folder.ProgramFolder(), files, text);
  ASSERT_EQ(coverage.size(), 5u);
  EXPECT_EQ(coverage[0].characters, 95);
  EXPECT_EQ(coverage[0].missing.size(), 94u);
  EXPECT_FALSE(Has(coverage[0].missing, "ｚ"));
  EXPECT_TRUE(Has(coverage[0].missing, "ｙ"));
  EXPECT_EQ(coverage[1].missing.size(), 82u);
  EXPECT_FALSE(Has(coverage[1].missing, "あ"));
  EXPECT_EQ(coverage[1].missing.front(), "ぁ");
}

}  // namespace
}  // namespace tarumo::cli
