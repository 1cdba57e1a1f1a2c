// The Convert command in the window: typed text becomes giant text in the output editor, with
// the progress and the missing glyphs in the status bar.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/DesktopInput.h"
#include "tests/ui/MessageBoxes.h"
#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/TestClipboard.h"
#include "tests/ui/Waiting.h"

namespace tarumo::ui {
namespace {

using enum CommandId;

// The giant text of "aい" with the fixture library and one spacing line: the pictures of ａ and
// い side by side.
const std::string kGiantAI =
    "　■■　■　■\r\n"
    "■　■　■　■\r\n"
    "　■■■　■　\r\n"
    "\r\n";
const std::string kGiantA =
    "　■■　\r\n"
    "■　■　\r\n"
    "　■■■\r\n"
    "\r\n";

std::string Lines(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line + "\r\n";
  return text;
}

class ConversionUi : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(program.Start()); }

  bool ProgressReaches(const std::string& text) {
    return WaitUntil([&] { return program.StatusPanel(0) == text; });
  }
  bool MemoInHolds(const std::string& text) {
    return WaitUntil([&] { return program.Text(kMemoIn) == text; });
  }

  ProgramUnderTest program;
};

TEST_F(ConversionUi, TypedTextBecomesGiantTextOnF5) {
  TypeText("aい");
  ASSERT_TRUE(MemoInHolds("aい")) << "MemoIn: " << program.Text(kMemoIn);
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  EXPECT_EQ(program.Text(kMemoOut), kGiantAI);
  EXPECT_EQ(program.StatusPanel(1), "");
  EXPECT_EQ(program.Text(kMemoIn), "aい");
  EXPECT_FALSE(ShowsMessageBox(program.processId()));
}

TEST_F(ConversionUi, MissingGlyphsAreListedInTheSecondPanel) {
  TypeText("aXa");
  ASSERT_TRUE(MemoInHolds("aXa"));
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  EXPECT_EQ(program.StatusPanel(1), "[ ﾟдﾟ]＜『Ｘ』が変換できません！！");
  EXPECT_EQ(program.Text(kMemoOut),
            "　■■　　■■　\r\n"
            "■　■　■　■　\r\n"
            "　■■■　■■■\r\n"
            "\r\n");
}

TEST_F(ConversionUi, ConvertingAgainGivesTheSameTextAndSpacingFollowsTheBox) {
  program.SetText(kMemoIn, "a\r\nい");
  program.SetText(kBlankLine, "0");
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  const std::string first = program.Text(kMemoOut);
  EXPECT_EQ(first,
            "　■■　\r\n■　■　\r\n　■■■\r\n"
            "■　■\r\n■　■\r\n　■　\r\n");
  program.SetText(kMemoOut, "");
  PressKey(VK_F5);
  ASSERT_TRUE(WaitUntil([&] { return program.Text(kMemoOut) == first; }));
}

TEST_F(ConversionUi, ConvertingAShortTextAfterALongOneGivesTheShortTextsGiantText) {
  program.SetText(kMemoIn, Lines(120, "aいaい"));
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  program.SetText(kMemoIn, "aい");
  PressKey(VK_F5);
  ASSERT_TRUE(WaitUntil([&] { return program.Text(kMemoOut) == kGiantAI; }))
      << program.Text(kMemoOut).substr(0, 200);
  EXPECT_EQ(program.StatusPanel(0), "100%");
}

TEST_F(ConversionUi, TabFromTheInputEditorEntersTheConvertButtonAndConverts) {
  TypeText("a");
  ASSERT_TRUE(MemoInHolds("a"));
  PressKey(VK_TAB);
  ASSERT_TRUE(ProgressReaches("100%"));
  EXPECT_EQ(program.Text(kMemoOut), kGiantA);
  EXPECT_EQ(program.FocusedControl(), program.control(kButton1));
  // Tab moved the focus on; it typed nothing.
  EXPECT_EQ(program.Text(kMemoIn), "a");
}

TEST_F(ConversionUi, F5ConvertsWhicheverControlHasTheFocus) {
  program.SetText(kMemoIn, "a");
  Click(program.window(), {570, 50});  // into BlankLine
  ASSERT_TRUE(WaitUntil([&] { return program.FocusedControl() == program.control(kBlankLine); }));
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  EXPECT_EQ(program.Text(kMemoOut), kGiantA);
  EXPECT_EQ(program.Text(kBlankLine), "1");
}

TEST_F(ConversionUi, ClickingTheConvertButtonConvertsAndReleasesTheMouse) {
  program.SetText(kMemoIn, "a");
  Click(program.window(), {472, 20});  // Button1, while MemoIn has the focus
  ASSERT_TRUE(ProgressReaches("100%"))
      << "focus on control " << ::GetDlgCtrlID(program.FocusedControl());
  EXPECT_EQ(program.Text(kMemoOut), kGiantA);
  // The button does not keep the mouse: a click elsewhere goes where it is aimed.
  Click(program.window(), {200, 30});
  EXPECT_TRUE(WaitUntil([&] { return program.FocusedControl() == program.control(kMemoIn); }));
}

// The buttons report the focus, so a quick second click arrives as a double click.
TEST_F(ConversionUi, AQuickSecondClickOnEitherButtonIsAClickToo) {
  const auto doubleClick = [&](CommandId button) {
    ::PostMessageA(program.window(), WM_COMMAND, MAKEWPARAM(ToWord(button), BN_DBLCLK),
                   reinterpret_cast<LPARAM>(program.control(button)));
  };
  program.SetText(kMemoIn, "a");
  doubleClick(kButton1);
  ASSERT_TRUE(ProgressReaches("100%"));
  EXPECT_EQ(program.Text(kMemoOut), kGiantA);
  PutOnClipboard("before");
  doubleClick(kButton2);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == kGiantA; }))
      << ClipboardText().value_or("(no text)");
}

// While a long output fills, the window takes input between lines; a Convert given then is not
// started, so the output holds each line once.
TEST_F(ConversionUi, ConvertIsNotStartedAgainWhileItRuns) {
  // Ten spacing lines make the pass last long enough to be seen running.
  program.SetText(kBlankLine, "10");
  program.SetText(kMemoIn, Lines(120, "a"));
  PressKey(VK_F5);
  ASSERT_TRUE(WaitUntil([&] { return program.StatusPanel(0).find('.') != std::string::npos; }))
      << program.StatusPanel(0);
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  std::string nineMoreSpacingLines;
  for (int i = 0; i < 9; ++i) nineMoreSpacingLines += "\r\n";
  std::string expected;
  for (int i = 0; i < 120; ++i) expected += kGiantA + nineMoreSpacingLines;
  EXPECT_EQ(program.Text(kMemoOut), expected);
}

// Painting is paced during a long fill, but the first panel always shows the percentage of the
// last line appended: read at any moment, it matches the lines the editor holds then.
TEST_F(ConversionUi, TheProgressPanelKeepsUpWithTheLinesInTheEditor) {
  program.SetText(kBlankLine, "10");
  program.SetText(kMemoIn, Lines(120, "a"));
  const int outputLines = 120 * 13;
  // The editor counts an empty last line: after line r (from 0) it reports r + 2 lines.
  const auto appended = [&] {
    return static_cast<int>(::SendMessageA(program.control(kMemoOut), EM_GETLINECOUNT, 0, 0)) - 2;
  };
  PressKey(VK_F5);
  int samples = 0;
  for (int look = 0; look < 2000 && samples < 20; ++look) {
    const int before = appended();
    const std::string panel = program.StatusPanel(0);
    const int after = appended();
    if (panel == "100%") break;
    if (panel.find('.') == std::string::npos || before < 0) continue;
    const double percent = std::stod(panel);
    // One line of slack: a read may fall on either side of an append.
    EXPECT_GE(percent + 0.05, (before - 1) * 100.0 / outputLines) << before << " " << panel;
    EXPECT_LE(percent - 0.05, after * 100.0 / outputLines) << after << " " << panel;
    ++samples;
  }
  EXPECT_GE(samples, 5);
  EXPECT_TRUE(ProgressReaches("100%"));
}

TEST_F(ConversionUi, ClosingTheWindowWhileConvertingEndsTheProgram) {
  program.SetText(kBlankLine, "10");
  program.SetText(kMemoIn, Lines(120, "a"));
  PressKey(VK_F5);
  ASSERT_TRUE(WaitUntil([&] { return program.StatusPanel(0).find('.') != std::string::npos; }))
      << program.StatusPanel(0);
  EXPECT_EQ(program.Close(), 0u);
}

TEST_F(ConversionUi, AnsweringNoToTheQuestionAboutALongInputLeavesEverythingEmpty) {
  // An earlier pass leaves both panels written.
  program.SetText(kMemoIn, "X");
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  ASSERT_NE(program.StatusPanel(1), "");
  program.SetText(kMemoOut, "old text\r\n");
  program.SetText(kMemoIn, Lines(121, "a"));
  PressKey(VK_F5);
  const auto box = WaitForMessageBox(program.processId());
  ASSERT_TRUE(box.has_value());
  // Emptied before the question is asked, not only once it is answered.
  EXPECT_EQ(program.StatusPanel(0), "");
  EXPECT_EQ(program.StatusPanel(1), "");
  EXPECT_EQ(box->caption, "|!|(!ﾟ ヮﾟﾉ!.");
  EXPECT_EQ(box->text,
            "テキストが多いと変換に時間がかかるかもしれませんよ？\n続けてみますか？　みませんか？");
  EXPECT_TRUE(box->yes && box->no);
  EXPECT_FALSE(box->ok || box->cancel);
  EXPECT_FALSE(box->hasIcon);
  Answer(*box, IDNO);
  EXPECT_EQ(program.Text(kMemoOut), "");
  EXPECT_EQ(program.StatusPanel(0), "");
  EXPECT_EQ(program.StatusPanel(1), "");
}

TEST_F(ConversionUi, OneHundredTwentyLinesConvertWithoutAQuestion) {
  program.SetText(kMemoIn, Lines(120, "a"));
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  EXPECT_FALSE(ShowsMessageBox(program.processId()));
  std::string expected;
  for (int i = 0; i < 120; ++i) expected += kGiantA;
  EXPECT_EQ(program.Text(kMemoOut), expected);
}

TEST_F(ConversionUi, AGlyphFileTooShortStopsThePassInTheStandardErrorBox) {
  program.WriteFile("data\\い.txt", "■　■\r\n■　■\r\n");
  TypeText("aい");
  ASSERT_TRUE(MemoInHolds("aい")) << "MemoIn: " << program.Text(kMemoIn);
  PressKey(VK_F5);
  const auto box = WaitForMessageBox(program.processId());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "タルモPART2");
  // The message ends in ")", which sorts before ".": no full stop is added.
  EXPECT_EQ(box->text, "リストのインデックスが範囲を超えています (2)");
  EXPECT_TRUE(box->hasIcon);
  EXPECT_TRUE(box->ok);
  EXPECT_FALSE(box->yes || box->no || box->cancel);
  Answer(*box, IDOK);
  EXPECT_EQ(program.Text(kMemoOut), "");
  EXPECT_EQ(program.StatusPanel(0), "準備中");
  // The window goes on working.
  program.WriteFile("data\\い.txt", "■　■\r\n■　■\r\n　■　\r\n");
  program.Activate();
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  EXPECT_EQ(program.Text(kMemoOut), kGiantAI);
}

TEST_F(ConversionUi, AGlyphFileHeldOpenForWritingByAnotherProgramStopsThePassUntilItIsLetGo) {
  // This test program is the other program: it holds い's glyph file open for writing.
  const std::string glyph = program.folder() + "data\\い.txt";
  HANDLE writer = ::CreateFileA(glyph.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  program.SetText(kMemoOut, "earlier giant text\r\n");
  program.SetText(kMemoIn, "aい");
  PressKey(VK_F5);
  const auto box = WaitForMessageBox(program.processId());
  ::CloseHandle(writer);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "タルモPART2");
  EXPECT_EQ(box->text, "ファイル " + glyph + " は開けません.");
  Answer(*box, IDOK);
  EXPECT_EQ(program.Text(kMemoOut), "");
  EXPECT_EQ(program.Text(kMemoIn), "aい");  // the user's text stays
  // Let go, the file serves the next pass.
  program.Activate();
  PressKey(VK_F5);
  ASSERT_TRUE(ProgressReaches("100%"));
  EXPECT_EQ(program.Text(kMemoOut), kGiantAI);
}

TEST_F(ConversionUi, ASpacingTextThatIsNoNumberEndsInTheErrorBoxWithAFullStop) {
  program.SetText(kMemoIn, "a");
  program.SetText(kBlankLine, "x");
  PressKey(VK_F5);
  const auto box = WaitForMessageBox(program.processId());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "タルモPART2");
  EXPECT_EQ(box->text, "'x' は整数ではありません.");
  Answer(*box, IDOK);
  EXPECT_EQ(program.Text(kMemoOut), "");
}

}  // namespace
}  // namespace tarumo::ui
