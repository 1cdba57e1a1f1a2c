// The folding table that the native programs use, held against the system's own full-width
// folding (LCMapStringA with LCMAP_FULLWIDTH under the user's locale) in code page 932.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/posix/PosixTextServices.h"
#include "platform/win32/Win32TextServices.h"

namespace tarumo {
namespace {

std::string Hex(const std::string& bytes) {
  std::string text;
  char part[4];
  for (unsigned char byte : bytes) {
    std::snprintf(part, sizeof part, "%s%02X", text.empty() ? "" : " ", byte);
    text += part;
  }
  return text.empty() ? "(empty)" : text;
}

// A line "<input>: table <bytes>, system <bytes>" for every input where the two foldings
// differ.
std::string Differences(const std::vector<std::string>& inputs) {
  const PosixTextServices table;
  const Win32TextServices system;
  std::string differences;
  for (const std::string& input : inputs) {
    const std::string ours = table.FoldFullWidth(input);
    const std::string theirs = system.FoldFullWidth(input);
    if (ours != theirs) {
      differences += Hex(input) + ": table " + Hex(ours) + ", system " + Hex(theirs) + "\n";
    }
  }
  return differences;
}

std::string TableFold(const std::string& input) {
  return PosixTextServices().FoldFullWidth(input);
}

class FullWidthAgainstSystem : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(::GetACP(), 932u) << "the comparison needs code page 932"; }
};

constexpr char kBackslash = '\x5C';
constexpr char kVoicedMark = '\xDE';
constexpr char kSemiVoicedMark = '\xDF';

TEST_F(FullWidthAgainstSystem, AgreesOnEverySingleByteCharacterButTheBackslashAndTheMarks) {
  std::vector<std::string> inputs;
  for (int byte = 0x01; byte <= 0xFF; ++byte) {
    const char c = static_cast<char>(byte);
    if (::IsDBCSLeadByte(static_cast<BYTE>(byte))) continue;
    if (c == kBackslash || c == kVoicedMark || c == kSemiVoicedMark) continue;
    inputs.emplace_back(1, c);
  }
  EXPECT_EQ(Differences(inputs), "");
}

TEST_F(FullWidthAgainstSystem, AgreesOnEveryKanaThatJoinsItsMarkIntoOneCharacter) {
  // ｶﾞ to ﾄﾞ, ﾊﾞ to ﾎﾞ, ｳﾞ and ﾊﾟ to ﾎﾟ: one full-width character of code page 932 each.
  std::vector<std::string> joined;
  for (int kana = 0xA1; kana <= 0xDF; ++kana) {
    for (char mark : {kVoicedMark, kSemiVoicedMark}) {
      const std::string input{static_cast<char>(kana), mark};
      if (TableFold(input).size() == 2) joined.push_back(input);
    }
  }
  EXPECT_EQ(joined.size(), 26u);
  EXPECT_EQ(Differences(joined), "");
}

// Where the two differ, under Wine 8.0. The system leaves the backslash alone, has no code page
// 932 form for a voiced or semi-voiced mark that stands alone (it writes "?"), and joins ｦﾞ and
// ﾜﾞ into characters that code page 932 lacks (ヺ, ヷ: "?"). The table folds the backslash to
// "＼" and writes a lone mark as "゛" or "゜", so that no character of the input becomes "?".
TEST_F(FullWidthAgainstSystem, TheKnownDifferences) {
  const std::vector<std::string> inputs = {"\\", "ﾞ", "ﾟ", "ｱﾞ", "ﾏﾟ", "ｦﾞ", "ﾜﾞ", "ﾞﾞ"};
  EXPECT_EQ(Differences(inputs),
            "5C: table 81 5F, system 5C\n"
            "DE: table 81 4A, system 3F\n"
            "DF: table 81 4B, system 3F\n"
            "B1 DE: table 83 41 81 4A, system 83 41 3F\n"
            "CF DF: table 83 7D 81 4B, system 83 7D 3F\n"
            "A6 DE: table 83 92 81 4A, system 3F\n"
            "DC DE: table 83 8F 81 4A, system 3F\n"
            "DE DE: table 81 4A 81 4A, system 3F 3F\n");
}

}  // namespace
}  // namespace tarumo
