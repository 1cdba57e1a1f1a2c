#include <gtest/gtest.h>

#include "fontwidths/ReaderFontWidths.h"

namespace tarumo {
namespace {

using Kind = CharacterWidth::Kind;

TEST(CharacterLength, LeadByteTakesTheNextByteAlong) {
  EXPECT_EQ(CharacterLength("\x82\xA0"
                            "a"),
            2u);
  EXPECT_EQ(CharacterLength("a\x82\xA0"), 1u);
  EXPECT_EQ(CharacterLength("\x82"), 1u);      // a lead byte at the end stands alone
  EXPECT_EQ(CharacterLength("\xA1\x82"), 1u);  // half-width katakana are single bytes
  EXPECT_EQ(CharacterLength("\xE0\x40"), 2u);  // the second lead-byte range
}

TEST(WidthOfCharacter, TellsCharactersFromBytesThatAreNone) {
  EXPECT_EQ(WidthOfCharacter("\x80").kind, Kind::kNotCp932);
  EXPECT_EQ(WidthOfCharacter("\xA0").kind, Kind::kNotCp932);
  EXPECT_EQ(WidthOfCharacter("\xFD").kind, Kind::kNotCp932);
  EXPECT_EQ(WidthOfCharacter("\x82").kind, Kind::kNotCp932);      // a lead byte alone
  EXPECT_EQ(WidthOfCharacter("\x82\x7F").kind, Kind::kNotCp932);  // 0x7F is no trail byte
  EXPECT_EQ(WidthOfCharacter("\x82\x3F").kind, Kind::kNotCp932);
  EXPECT_EQ(WidthOfCharacter("\x85\x40").kind, Kind::kNotCp932);  // an unassigned row
  EXPECT_EQ(WidthOfCharacter("ab").kind, Kind::kNotCp932);        // two characters
  EXPECT_EQ(WidthOfCharacter("").kind, Kind::kNotCp932);
}

TEST(WidthOfCharacter, CharactersTheFontLacksHaveNoWidth) {
  EXPECT_EQ(WidthOfCharacter("\t").kind, Kind::kNotInFont);
  EXPECT_EQ(WidthOfCharacter("\xF0\x40").kind, Kind::kNotInFont);  // user-defined area
}

TEST(WidthOfCharacter, SpacesAndTheFullWidthGridHaveTheirDots) {
  // The widths that every picture of the library is built from.
  EXPECT_EQ(WidthOfCharacter(" ").bitmap, 5);
  EXPECT_EQ(WidthOfCharacter("　").bitmap, 11);
  for (const char* line : {"─", "│", "┼", "／", "＼", "￣", "＿"}) {
    const CharacterWidth width = WidthOfCharacter(line);
    EXPECT_TRUE(width.IsCertain()) << line;
    EXPECT_EQ(width.bitmap, 16) << line;
  }
  EXPECT_EQ(WidthOfCharacter("\xB1").bitmap, 10);      // half-width ｱ, from the single-byte half
  EXPECT_EQ(WidthOfCharacter("\xE0\x40").bitmap, 16);  // 漾, the first of the second range
  EXPECT_EQ(WidthOfCharacter("\x9F\xFC").bitmap, 16);  // the last before it
}

TEST(WidthOfCharacter, BitmapAndOutlineDisagreeOnAFewLetters) {
  const CharacterWidth w = WidthOfCharacter("W");
  EXPECT_EQ(w.kind, Kind::kDots);
  EXPECT_EQ(w.bitmap, 12);
  EXPECT_EQ(w.outline, 11);
  EXPECT_FALSE(w.IsCertain());
}

TEST(MeasureRow, AddsBitmapWidthsAndListsWhatItCannotVouchFor) {
  const RowWidth row = MeasureRow("aW\x80\xF0\x40　");
  EXPECT_EQ(row.dots, 8 + 12 + 11);
  ASSERT_EQ(row.unmeasured.size(), 3u);
  EXPECT_EQ(row.unmeasured[0].offset, 1u);
  EXPECT_EQ(row.unmeasured[0].width.kind, Kind::kDots);
  EXPECT_EQ(row.unmeasured[1].offset, 2u);
  EXPECT_EQ(row.unmeasured[1].width.kind, Kind::kNotCp932);
  EXPECT_EQ(row.unmeasured[2].bytes, "\xF0\x40");
  EXPECT_EQ(row.unmeasured[2].width.kind, Kind::kNotInFont);
}

}  // namespace
}  // namespace tarumo
