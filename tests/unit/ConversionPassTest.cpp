#include "conversion/ConversionPass.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/Error.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTextServices.h"
#include "tests/unit/FakeConversionHost.h"
#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

using Lines = std::vector<std::string>;
using testing::FakeConversionHost;
using testing::TempFolder;

class ConversionPassTest : public ::testing::Test {
 protected:
  ConversionPassTest() {
    folder_.Write("low\\ａ.txt", "a1\r\na2\r\na3\r\n");
    folder_.Write("data\\い.txt", "i1\r\ni2\r\ni3\r\n");
  }

  std::string Run() { return RunConversionPass(host_, {folder_.ProgramFolder(), files_, text_}); }

  std::string RunExpectingError() {
    try {
      Run();
    } catch (const Error& error) {
      return error.what();
    }
    return "no error";
  }

  TempFolder folder_;
  PosixFileSystem files_;
  PosixTextServices text_;
  FakeConversionHost host_;
};

TEST_F(ConversionPassTest, TwoLinesGiveRowsSpacingAndProgressInOrder) {
  host_.input = {"aい", "a"};
  Run();
  EXPECT_EQ(host_.output, (Lines{"a1i1", "a2i2", "a3i3", "", "a1", "a2", "a3", ""}));
  EXPECT_EQ(host_.events,
            (Lines{"clear",        "panel0 ",      "panel1 ",      "panel0 準備中", "repaint",
                   "panel0 10%",   "repaint",      "append a1i1",  "panel0 0.0%",   "process",
                   "append a2i2",  "panel0 12.5%", "process",      "append a3i3",   "panel0 25.0%",
                   "process",      "append ",      "panel0 37.5%", "process",       "append a1",
                   "panel0 50.0%", "process",      "append a2",    "panel0 62.5%",  "process",
                   "append a3",    "panel0 75.0%", "process",      "append ",       "panel0 87.5%",
                   "process",      "panel0 100%"}));
}

TEST_F(ConversionPassTest, EmptyInputOnlyClears) {
  host_.output = {"old"};
  host_.panels[1] = "更新はありませんでした(ﾟДﾟ)ゞ";
  Run();
  EXPECT_EQ(host_.events, (Lines{"clear", "panel0 ", "panel1 "}));
  EXPECT_TRUE(host_.output.empty());
}

TEST_F(ConversionPassTest, MoreThan120LinesAskFirst) {
  host_.input = Lines(120, "a");
  Run();
  EXPECT_EQ(std::count(host_.events.begin(), host_.events.end(), "ask"), 0);
  EXPECT_EQ(host_.output.size(), 120u * 4);

  host_.input = Lines(121, "a");
  host_.answerYes = true;
  Run();
  EXPECT_EQ(host_.askedCaption, "|!|(!ﾟ ヮﾟﾉ!.");
  EXPECT_EQ(host_.askedText,
            "テキストが多いと変換に時間がかかるかもしれませんよ？\n続けてみますか？　みませんか？");
  EXPECT_EQ(host_.output.size(), 121u * 4);
}

TEST_F(ConversionPassTest, NoToTheQuestionLeavesEverythingEmpty) {
  host_.input = Lines(121, "a");
  host_.output = {"earlier giant text"};
  host_.answerYes = false;
  Run();
  EXPECT_EQ(host_.events, (Lines{"clear", "panel0 ", "panel1 ", "ask"}));
  EXPECT_TRUE(host_.output.empty());
}

TEST_F(ConversionPassTest, SpacingLinesFollowTheBlankLineValue) {
  host_.input = {"a", "a"};
  for (const auto& [blank, spacing] : std::vector<std::pair<std::string, std::size_t>>{
           {"0", 0}, {"-3", 0}, {"12", 12}, {"  2", 2}, {"$3", 3}, {"1000", 1000}}) {
    host_.blankLine = blank;
    Run();
    EXPECT_EQ(host_.output.size(), 2 * (3 + spacing)) << "BlankLine '" << blank << "'";
  }
}

TEST_F(ConversionPassTest, TheBlankLineTextIsReadAfreshForEveryLine) {
  host_.input = {"a", "a"};
  host_.blankLineReadings = {"2", "0"};
  Run();
  EXPECT_EQ(host_.output, (Lines{"a1", "a2", "a3", "", "", "a1", "a2", "a3"}));
}

TEST_F(ConversionPassTest, AnInvalidBlankLineStopsAfterTheFirstLinesGlyphs) {
  host_.input = {"aX", "a"};
  for (const std::string blank : {"", "abc", "1 "}) {
    host_.blankLine = blank;
    EXPECT_EQ(RunExpectingError(), "'" + blank + "' は整数ではありません");
    EXPECT_TRUE(host_.output.empty());
    EXPECT_EQ(host_.panels[0], "準備中");
    EXPECT_EQ(host_.panels[1], "[ ﾟдﾟ]＜『Ｘ』が変換できません！！");
  }
}

TEST_F(ConversionPassTest, AHugeBlankLineIsRefusedBeforeAnythingIsFilled) {
  host_.input = {"a"};
  host_.blankLine = "1001";
  EXPECT_EQ(RunExpectingError(), "'1001' は行間として大きすぎます (1000 まで)");
  host_.blankLine = "2147483647";
  EXPECT_EQ(RunExpectingError(), "'2147483647' は行間として大きすぎます (1000 まで)");
  EXPECT_TRUE(host_.output.empty());
}

TEST_F(ConversionPassTest, MissingGlyphsAccumulateAcrossLinesWithRepeats) {
  host_.input = {"aXa", "a", "Y\tX"};
  EXPECT_EQ(Run(), "[ ﾟдﾟ]＜『Ｘ』『Ｙ』『』『Ｘ』が変換できません！！");
  EXPECT_EQ(host_.output[0], "a1a1");
  const Lines panelOne = [&] {
    Lines texts;
    for (const auto& event : host_.events) {
      if (event.rfind("panel1 ", 0) == 0) texts.push_back(event.substr(7));
    }
    return texts;
  }();
  EXPECT_EQ(panelOne,
            (Lines{"", "[ ﾟдﾟ]＜『Ｘ』が変換できません！！", "[ ﾟдﾟ]＜『Ｘ』が変換できません！！",
                   "[ ﾟдﾟ]＜『Ｘ』『Ｙ』『』『Ｘ』が変換できません！！"}));
}

TEST_F(ConversionPassTest, APassWithEveryGlyphReportsNothingMissing) {
  host_.input = {"aい"};
  EXPECT_EQ(Run(), "");
  EXPECT_EQ(host_.panels[1], "");
}

TEST_F(ConversionPassTest, LinesWithoutGlyphsGiveThreeEmptyRows) {
  host_.input = {"", "XY"};
  Run();
  EXPECT_EQ(host_.output, (Lines{"", "", "", "", "", "", "", ""}));
}

TEST_F(ConversionPassTest, ATooShortGlyphStopsThePassWithNothingWritten) {
  folder_.Write("data\\う.txt", "u1\r\nu2\r\n");
  host_.input = {"aう"};
  EXPECT_EQ(RunExpectingError(), "リストのインデックスが範囲を超えています (2)");
  EXPECT_TRUE(host_.output.empty());
  EXPECT_EQ(host_.panels[0], "準備中");
}

TEST_F(ConversionPassTest, AGlyphChangedBetweenPassesIsUsedByTheNextPass) {
  host_.input = {"aa"};
  Run();
  EXPECT_EQ(host_.output[0], "a1a1");
  folder_.Write("ext\\ａ.txt", "A1\r\nA2\r\nA3\r\n");
  Run();
  EXPECT_EQ(host_.output[0], "A1A1");
}

TEST_F(ConversionPassTest, ConvertingTwiceGivesTheSameOutput) {
  host_.input = {"aい", "", "いa"};
  Run();
  const Lines first = host_.output;
  Run();
  EXPECT_EQ(host_.output, first);
}

// Runs `check` in a child process that the system treats as an ordinary user (root ignores
// permissions): the exit status carries its result.
template <typename Check>
bool HoldsForAnOrdinaryUser(Check check) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

TEST_F(ConversionPassTest, GlyphsTheUserMayNotReadAreMissingOrStopThePassWithTheirPath) {
  ::chmod(folder_.path().c_str(), 0755);
  host_.input = {"aい"};
  // The class folder of ａ may not be entered: ａ has no glyph and the pass goes on.
  ::chmod((folder_.path() / "low").c_str(), 0);
  EXPECT_TRUE(HoldsForAnOrdinaryUser([&] {
    const std::string missing = Run();
    return missing == "[ ﾟдﾟ]＜『ａ』が変換できません！！" &&
           host_.output == Lines{"i1", "i2", "i3", ""};
  }));
  // A glyph file that may not be read stops the pass before anything reaches the output.
  const std::string unreadable = NativePath(folder_.ProgramFolder() + "data\\い.txt");
  ::chmod(unreadable.c_str(), 0);
  EXPECT_TRUE(HoldsForAnOrdinaryUser([&] {
    return RunExpectingError() ==
               "ファイル " + folder_.ProgramFolder() + "data\\い.txt は開けません" &&
           host_.output.empty();
  }));
  ::chmod((folder_.path() / "low").c_str(), 0755);
}

TEST(ProgressText, OneDecimalAtLeastThreeCharacters) {
  EXPECT_EQ(ProgressText(0, 8), "0.0%");
  EXPECT_EQ(ProgressText(7, 8), "87.5%");
  EXPECT_EQ(ProgressText(1, 3), "33.3%");
  EXPECT_EQ(ProgressText(999, 1000), "99.9%");
}

}  // namespace
}  // namespace tarumo
