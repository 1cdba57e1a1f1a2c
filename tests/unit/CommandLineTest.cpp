#include <gtest/gtest.h>

#include "documents/CommandLine.h"

namespace tarumo {
namespace {

using Arguments = std::vector<std::string>;

TEST(SplitCommandLine, CutsAtEveryCharacterUpToCode32) {
  EXPECT_EQ(SplitCommandLine("tarumo2.exe a.txt\tb.txt\x01"
                             "c.txt  "),
            (Arguments{"tarumo2.exe", "a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(SplitCommandLine("   "), Arguments{});
}

TEST(SplitCommandLine, QuotesGroupBlanksAndAreDropped) {
  EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\t\\tarumo2.exe\" \"my file.txt\" x"),
            (Arguments{"C:\\Program Files\\t\\tarumo2.exe", "my file.txt", "x"}));
  EXPECT_EQ(SplitCommandLine("p a\"b c\"d"), (Arguments{"p", "ab cd"}));
  EXPECT_EQ(SplitCommandLine("p \"open end"), (Arguments{"p", "open end"}));
  EXPECT_EQ(SplitCommandLine("p \"\" b"), (Arguments{"p", "", "b"}));  // an empty argument
}

TEST(SplitCommandLine, KeepsDoubleByteNamesWhole) {
  // ソ and 表 end in the byte 0x5C.
  EXPECT_EQ(SplitCommandLine("p \"ソ 表.txt\""), (Arguments{"p", "ソ 表.txt"}));
  EXPECT_EQ(SplitCommandLine("p　q"), (Arguments{"p　q"}));  // the full-width space is no blank
}

TEST(FirstArgument, IsTheOneAfterTheProgramName) {
  EXPECT_EQ(FirstArgument("tarumo2.exe one.txt two.txt"), "one.txt");
  EXPECT_EQ(FirstArgument("tarumo2.exe"), std::nullopt);
  EXPECT_EQ(FirstArgument("\"tarumo2.exe\"   "), std::nullopt);
  EXPECT_EQ(FirstArgument("tarumo2.exe \"\" b.txt"), "");
}

}  // namespace
}  // namespace tarumo
