#include <gtest/gtest.h>

#include <string>

#include "platform/posix/Cp932.h"
#include "platform/posix/PosixTextServices.h"

namespace tarumo {
namespace {

std::string FoldEachByte(int first, int last) {
  const PosixTextServices text;
  std::string folded;
  for (int byte = first; byte <= last; ++byte) {
    folded += text.FoldFullWidth(std::string(1, static_cast<char>(byte)));
  }
  return folded;
}

TEST(FullWidthTable, PrintableAsciiBecomesItsFullWidthForm) {
  EXPECT_EQ(FoldEachByte(0x20, 0x7E),
            "　！＂＃＄％＆＇（）＊＋，－．／０１２３４５６７８９：；＜＝＞？"
            "＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ［＼］＾＿"
            "｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝～");
}

TEST(FullWidthTable, AsciiFormsAreTheUnicodeFullWidthForms) {
  // Independent of how this file's literals were encoded: decode the table's bytes.
  const PosixTextServices text;
  for (int byte = 0x21; byte <= 0x7E; ++byte) {
    const auto utf8 = Cp932ToUtf8(text.FoldFullWidth(std::string(1, static_cast<char>(byte))));
    ASSERT_TRUE(utf8.has_value());
    const char32_t expected = 0xFF01 + (byte - 0x21);
    const std::string expectedUtf8 = {static_cast<char>(0xE0 | (expected >> 12)),
                                      static_cast<char>(0x80 | ((expected >> 6) & 0x3F)),
                                      static_cast<char>(0x80 | (expected & 0x3F))};
    EXPECT_EQ(*utf8, expectedUtf8) << "byte 0x" << std::hex << byte;
  }
}

TEST(FullWidthTable, HalfWidthKatakanaBecomeFullWidth) {
  EXPECT_EQ(FoldEachByte(0xA1, 0xDF),
            "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソ"
            "タチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜");
}

TEST(FullWidthTable, VoicedMarksJoinTheKanaTheyFollowWhereCodePage932HasTheResult) {
  const PosixTextServices text;
  EXPECT_EQ(text.FoldFullWidth("ｶﾞｷﾞｻﾞﾀﾞﾄﾞﾊﾞﾎﾞｳﾞ"), "ガギザダドバボヴ");
  EXPECT_EQ(text.FoldFullWidth("ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"), "パピプペポ");
  // No such character in the code page: the mark folds on its own.
  EXPECT_EQ(text.FoldFullWidth("ﾜﾞｱﾟｶﾟﾞ"), "ワ゛ア゜カ゜゛");
}

TEST(FullWidthTable, LeavesEverythingElseAlone) {
  const PosixTextServices text;
  EXPECT_EQ(text.FoldFullWidth("\t\x7F\x80\xA0\xFD\xFE\xFF"), "\t\x7F\x80\xA0\xFD\xFE\xFF");
  EXPECT_EQ(text.FoldFullWidth("あ漢ａ　"), "あ漢ａ　");
  // ソ ends in 0x5C, the backslash's byte: it stays one character.
  EXPECT_EQ(text.FoldFullWidth("ソ\\"), "ソ＼");
  // A lead byte at the end is kept alone; nothing is read past it.
  EXPECT_EQ(text.FoldFullWidth("a\x82"), "ａ\x82");
}

TEST(FullWidthTable, LeadBytesAreThoseOfShiftJis) {
  const PosixTextServices text;
  int leads = 0;
  for (int byte = 0; byte < 256; ++byte) leads += text.IsLeadByte(static_cast<unsigned char>(byte));
  EXPECT_EQ(leads, (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1));
  EXPECT_TRUE(text.IsLeadByte(0x81));
  EXPECT_TRUE(text.IsLeadByte(0x9F));
  EXPECT_TRUE(text.IsLeadByte(0xE0));
  EXPECT_TRUE(text.IsLeadByte(0xFC));
  EXPECT_FALSE(text.IsLeadByte(0xA0));
  EXPECT_FALSE(text.IsLeadByte(0xFD));
}

}  // namespace
}  // namespace tarumo
