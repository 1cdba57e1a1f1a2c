#include <gtest/gtest.h>

#include <cstdint>

#include "common/Error.h"
#include "settings/IniInteger.h"
#include "settings/ReleaseTime.h"
#include "tests/unit/FakeIniFiles.h"

namespace tarumo {
namespace {

using testing::FakeIniFiles;

std::string ParseError(std::string_view header) {
  try {
    ParseLastModified(header);
  } catch (const Error& error) {
    return error.what();
  }
  return "no error";
}

void ExpectTime(const std::optional<ReleaseTime>& time, int year, int month, int day, int hour,
                int minute) {
  ASSERT_TRUE(time.has_value());
  EXPECT_EQ(time->year, year);
  EXPECT_EQ(time->month, month);
  EXPECT_EQ(time->day, day);
  EXPECT_EQ(time->hour, hour);
  EXPECT_EQ(time->minute, minute);
}

TEST(IniInteger, ReadsDecimalAndZeroXHexadecimalElseTheFallback) {
  EXPECT_EQ(IniInteger("1", 2), 1);
  EXPECT_EQ(IniInteger("0", 2), 0);
  EXPECT_EQ(IniInteger("5", 2), 5);
  EXPECT_EQ(IniInteger("-1", 2), -1);
  EXPECT_EQ(IniInteger("0x1", 2), 1);
  EXPECT_EQ(IniInteger("0X1f", 2), 31);
  EXPECT_EQ(IniInteger("0x7FFFFFFF", 2), 2147483647);
  // Only the settings files' own forms: not the spacing box's "$", "+" or leading blanks.
  for (const char* text : {"", "0x", "0X", "abc", "1.5", "1 ", "99999999999", "$1", "+1", " 1",
                           "-0x1", "0x-1", "0x80000000", "-"}) {
    EXPECT_EQ(IniInteger(text, 2), 2) << "'" << text << "'";
  }
}

TEST(ParseLastModified, ReadsTheFieldsAndIgnoresTheSeconds) {
  ExpectTime(ParseLastModified("Mon, 19 Nov 2007 10:10:00 GMT"), 2007, 11, 19, 10, 10);
  ExpectTime(ParseLastModified("Tue, 01 Jan 2008 23:59:59 GMT"), 2008, 1, 1, 23, 59);
  ExpectTime(ParseLastModified("Sun, 31 Dec 1999 00:00:00 GMT trailing"), 1999, 12, 31, 0, 0);
}

TEST(ParseLastModified, MonthNamesAreExactAndAnythingElseIsJanuary) {
  const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int i = 0; i < 12; ++i) {
    const auto time = ParseLastModified(std::string("Mon, 1 ") + months[i] + " 2007 1:2:3 GMT");
    ASSERT_TRUE(time);
    EXPECT_EQ(time->month, i + 1);
  }
  EXPECT_EQ(ParseLastModified("Mon, 19 nov 2007 10:10:00 GMT")->month, 1);
  EXPECT_EQ(ParseLastModified("Mon, 19 NOV 2007 10:10:00 GMT")->month, 1);
}

TEST(ParseLastModified, WithoutGmtThereIsNoDate) {
  EXPECT_EQ(ParseLastModified("Mon, 19 Nov 2007 10:10:00 UTC"), std::nullopt);
  EXPECT_EQ(ParseLastModified("Mon, 19 Nov 2007 10:10:00 gmt"), std::nullopt);
  EXPECT_EQ(ParseLastModified(""), std::nullopt);
}

TEST(ParseLastModified, AFieldThatIsNoIntegerRaisesTheConversionError) {
  EXPECT_EQ(ParseError("Monday, 19-Nov-07 10:10:00 GMT"), "'19-Nov-07' は整数ではありません");
  // Without seconds no colon follows the minute, so the minute is the empty text.
  EXPECT_EQ(ParseError("Mon, 19 Nov 2007 10:10 GMT"), "'' は整数ではありません");
  EXPECT_EQ(ParseError("Mon, 19 Nov 07x 10:10:00 GMT"), "'07x' は整数ではありません");
  // The fields are plain decimal: the spacing box's hexadecimal and signs are no number here.
  EXPECT_EQ(ParseError("Mon, $13 Nov 2007 10:10:00 GMT"), "'$13' は整数ではありません");
  EXPECT_EQ(ParseError("Mon, 0x13 Nov 2007 10:10:00 GMT"), "'0x13' は整数ではありません");
  EXPECT_EQ(ParseError("Mon, +13 Nov 2007 10:10:00 GMT"), "'+13' は整数ではありません");
  EXPECT_EQ(ParseError("Mon, 13 Nov 2007 10:10:00 GMT"), "no error");
}

TEST(Stamp, OrdersDatesAndDoesNotOverflowForLargeYears) {
  EXPECT_LT(Stamp({2007, 1, 31, 23, 59}), Stamp({2007, 2, 1, 0, 0}));
  EXPECT_LT(Stamp({2007, 12, 31, 23, 59}), Stamp({2008, 1, 1, 0, 0}));
  const ReleaseTime largest{INT32_MAX, 12, 31, 23, 59};
  EXPECT_GT(Stamp(largest), Stamp({INT32_MAX - 1, 12, 31, 23, 59}));
  EXPECT_GT(Stamp(largest), std::int64_t{INT32_MAX} * 535680);
}

TEST(ReadInstalledRelease, EachKeyFallsBackToTheBuiltInTime) {
  FakeIniFiles ini;
  const ReleaseTime none = ReadInstalledRelease(ini, "P\\");
  EXPECT_EQ(Stamp(none), Stamp({2007, 11, 19, 10, 10}));

  ini.files["P\\Date.dat"] = {{"UPDATE/Y", "0x7D8"}, {"UPDATE/MI", "soon"}, {"UPDATE/H", "3"}};
  const ReleaseTime some = ReadInstalledRelease(ini, "P\\");
  EXPECT_EQ(Stamp(some), Stamp({2008, 11, 19, 3, 10}));
}

}  // namespace
}  // namespace tarumo
