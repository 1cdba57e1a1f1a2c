#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/RowSetFitter.h"
#include "fontwidths/ReaderFontWidths.h"

namespace tarumo {
namespace {

using Rows = std::vector<std::string>;

// The characters of `text` (code page 932), each `width` dots wide, but 大, 100 dots wide, and
// Ｘ, which has no glyph and takes no width.
std::vector<LineCharacter> Characters(std::string_view text, int width = 10) {
  std::vector<LineCharacter> characters;
  for (std::size_t at = 0; at < text.size();) {
    const std::string_view character = text.substr(at, CharacterLength(text.substr(at)));
    const int dots = character == "大" ? 100 : character == "Ｘ" ? 0 : width;
    characters.push_back({character, dots});
    at += character.size();
  }
  return characters;
}

// The texts of the row sets of `text` at most `maxWidth` dots wide.
Rows Fit(std::string_view text, int maxWidth) {
  const std::vector<LineCharacter> characters = Characters(text);
  RowSetFitter fitter(maxWidth);
  Rows rows;
  for (const CharacterRange& range : fitter.Fit(characters)) {
    std::string row;
    for (std::size_t i = range.first; i < range.last; ++i) row += characters[i].text;
    rows.push_back(row);
  }
  return rows;
}

TEST(RowSetFitter, TakesAsManyCharactersAsFit) {
  EXPECT_EQ(Fit("あいうえおかきくけ", 40), (Rows{"あいうえ", "おかきく", "け"}));
  EXPECT_EQ(Fit("あいうえ", 40), Rows{"あいうえ"});
  EXPECT_EQ(Fit("", 40), Rows{""});
  // Characters without a glyph take no width.
  EXPECT_EQ(Fit("あいＸうえＸお", 40), (Rows{"あいＸうえＸ", "お"}));
}

TEST(RowSetFitter, NoRowSetBeginsWithAClosingMarkOrEndsWithAnOpeningOne) {
  EXPECT_EQ(Fit("あいうえ。か", 40), (Rows{"あいう", "え。か"}));
  EXPECT_EQ(Fit("あいうえっか", 40), (Rows{"あいう", "えっか"}));
  EXPECT_EQ(Fit("あいうえーか", 40), (Rows{"あいう", "えーか"}));
  EXPECT_EQ(Fit("あいうえ」か", 40), (Rows{"あいう", "え」か"}));
  EXPECT_EQ(Fit("あいう「えお」", 40), (Rows{"あいう", "「えお」"}));
  // Nor does one after the blanks that a break drops.
  EXPECT_EQ(Fit("あいうえ　、か", 40), (Rows{"あいう", "え　、か"}));
  // When every break within reach breaks a rule, as many as fit.
  EXPECT_EQ(Fit("ーーーーーー", 40), (Rows{"ーーーー", "ーー"}));
}

TEST(RowSetFitter, PrefersABreakAfterABlankOrAPhraseEndInTheLastThird) {
  EXPECT_EQ(Fit("あいう、えおかきく", 60), (Rows{"あいう、", "えおかきく"}));
  EXPECT_EQ(Fit("あいう！えおかきく", 60), (Rows{"あいう！", "えおかきく"}));
  EXPECT_EQ(Fit("あいう　えおかきく", 60), (Rows{"あいう", "えおかきく"}));
  // Earlier than the last third, the row is filled.
  EXPECT_EQ(Fit("あ、いうえおかき", 60), (Rows{"あ、いうえお", "かき"}));
  EXPECT_EQ(Fit("あ　いうえおかき", 60), (Rows{"あ　いうえお", "かき"}));
}

TEST(RowSetFitter, ACharacterWiderThanTheWidthStandsAlone) {
  EXPECT_EQ(Fit("あ大い", 40), (Rows{"あ", "大", "い"}));
  EXPECT_EQ(Fit("大。", 40), (Rows{"大", "。"}));
}

TEST(RowSetFitter, BlanksAtABreakAreDropped) {
  EXPECT_EQ(Fit("あいうえ　　　おか", 40), (Rows{"あいうえ", "おか"}));
  EXPECT_EQ(Fit("あいうえ  おか", 40), (Rows{"あいうえ", "おか"}));
  // Blanks that fit at the start or the end of the line are no break.
  EXPECT_EQ(Fit("　あい　", 40), Rows{"　あい　"});
  // A line of blanks keeps what fits of them; leading blanks wider than the width are a row
  // set of their own, and a closing mark after them closes nothing.
  EXPECT_EQ(Fit("　　　　　　　", 40), Rows{"　　　　"});
  EXPECT_EQ(Fit("　　　　　。か", 40), (Rows{"　　　　", "。か"}));
}

}  // namespace
}  // namespace tarumo
