#include <gtest/gtest.h>

#include "conversion/BoardSize.h"

namespace tarumo {
namespace {

TEST(BoardSize, TheFourCharactersCountAsTheirEntities) {
  EXPECT_EQ(BoardBytesOfLine("<"), 4);   // &lt;
  EXPECT_EQ(BoardBytesOfLine(">"), 4);   // &gt;
  EXPECT_EQ(BoardBytesOfLine("&"), 5);   // &amp;
  EXPECT_EQ(BoardBytesOfLine("\""), 6);  // &quot;
  EXPECT_EQ(BoardBytesOfLine("a'b"), 3);
}

TEST(BoardSize, ADoubleByteCharacterCountsTwoBytes) {
  EXPECT_EQ(BoardBytesOfLine("あa"), 3);
  // The full-width forms are no entities.
  EXPECT_EQ(BoardBytesOfLine("＜＆"), 4);
}

TEST(BoardSize, EveryLineBreakCountsTwoBytes) {
  EXPECT_EQ(BoardSizeOfText("a\r\nb").bytes, 4);
  const BoardSize size = BoardSizeOfText("a\nb\rc\r\n\r\nd");
  EXPECT_EQ(size.bytes, 4 + 8);
  EXPECT_EQ(size.lines, 5);
  // A break at the end starts no line.
  EXPECT_EQ(BoardSizeOfText("ab\r\n").bytes, 2);
  EXPECT_EQ(BoardSizeOfText("ab\r\n").lines, 1);
}

}  // namespace
}  // namespace tarumo
