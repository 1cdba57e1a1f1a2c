#include "common/TextLines.h"

#include <gtest/gtest.h>

namespace tarumo {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EveryKindOfLineBreakEndsALine) {
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
}

TEST(SplitLines, ABreakAtTheVeryEndStartsNoFurtherLine) {
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\r\n"), Lines{""});
  EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("a"), Lines{"a"});
}

TEST(SplitLines, LfFollowedByCrIsTwoBreaks) {
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(SplitLines, KeepsBlanksAndDoubleByteTrailBytes) {
  // ソ is 0x83 0x5C: its trail byte is no separator of any kind.
  EXPECT_EQ(SplitLines(" ソ \n"), Lines{" ソ "});
}

}  // namespace
}  // namespace tarumo
