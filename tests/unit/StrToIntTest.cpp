#include "common/StrToInt.h"

#include <gtest/gtest.h>

#include "common/Error.h"

namespace tarumo {
namespace {

TEST(StrToInt, ReadsDecimalWithSignAndLeadingBlanks) {
  EXPECT_EQ(StrToInt("1"), 1);
  EXPECT_EQ(StrToInt("-3"), -3);
  EXPECT_EQ(StrToInt("+12"), 12);
  EXPECT_EQ(StrToInt("   7"), 7);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, ReadsHexadecimalAfterDollarOrZeroX) {
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x10"), 16);
  EXPECT_EQ(StrToInt("0Xff"), 255);
  EXPECT_EQ(StrToInt("-$A"), -10);
}

TEST(StrToInt, RejectsEverythingElseWithTheTextInTheMessage) {
  for (const char* text : {"", " ", "abc", "1 ", "1.5", "0x", "$", "-", "12a", "2147483648",
                           "-2147483649", "１", "\t1"}) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' は整数ではありません");
    }
  }
}

}  // namespace
}  // namespace tarumo
