#include <gtest/gtest.h>

#include <filesystem>

#include "cli/GlyphCheck.h"
#include "platform/posix/Cp932.h"
#include "tests/unit/TempFolder.h"

namespace tarumo::cli {
namespace {

using testing::TempFolder;

// File names and messages are UTF-8; the literals here are code page 932.
std::string Utf8(const char* cp932) {
  return Cp932ToUtf8(cp932).value();
}

::testing::AssertionResult Contains(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "'" << text << "' does not contain '" << part << "'";
}

// A picture whose three rows are 48 dots wide.
constexpr const char* kClean = "─┼─\r\n├─┤\r\n└─┘\r\n";

TEST(CheckGlyphText, CleanPictureHasNoProblem) {
  EXPECT_TRUE(CheckGlyphText(kClean).empty());
  EXPECT_TRUE(CheckGlyphText("─┼─\n├─┤\n└─┘").empty());  // line ends as the reader takes them
  EXPECT_TRUE(CheckGlyphText("─ ─\r\n─ ─\r\n─ ─\r\n").empty());  // single spaces between
  EXPECT_TRUE(CheckGlyphText("\r\n\r\n\r\n").empty());           // three empty rows align
}

TEST(CheckGlyphText, FewerThanThreeLinesAsTheReaderCountsThem) {
  EXPECT_EQ(CheckGlyphText(""), std::vector<std::string>{"has 0 lines; a picture needs three"});
  EXPECT_EQ(CheckGlyphText("─\r\n"), std::vector<std::string>{"has 1 line; a picture needs three"});
  EXPECT_EQ(CheckGlyphText("─\r\n─\r\n"),
            std::vector<std::string>{"has 2 lines; a picture needs three"});
  // A NUL ends the text, as for the program.
  EXPECT_EQ(CheckGlyphText(std::string("─\r\n─\r\n\0─\r\n", 11)),
            std::vector<std::string>{"has 2 lines; a picture needs three"});
}

TEST(CheckGlyphText, RowsOfUnequalWidthShowEveryWidth) {
  EXPECT_EQ(CheckGlyphText("─┼─\r\n├─┤\r\n└─\r\n"),
            std::vector<std::string>{"rows differ in width: 48, 48 and 32 dots"});
  // A full-width space is 11 dots, not 16: the grid needs a half-width space after it.
  EXPECT_EQ(CheckGlyphText("─　─\r\n───\r\n───\r\n"),
            std::vector<std::string>{"rows differ in width: 43, 48 and 48 dots"});
  EXPECT_TRUE(CheckGlyphText("─　 ─\r\n───\r\n───\r\n").empty());
  // Lines after the third are never read.
  EXPECT_TRUE(CheckGlyphText(std::string(kClean) + "─\r\n").empty());
}

TEST(CheckGlyphText, RowsTheOutputEditorWouldChange) {
  EXPECT_EQ(CheckGlyphText("─  ─\r\n─()─\r\n─()─\r\n"),
            std::vector<std::string>{"row 1: has two half-width spaces in a row"});
  EXPECT_EQ(CheckGlyphText("─()─\r\n─()─\r\n ─ ─\r\n"),
            std::vector<std::string>{"row 3: starts with a half-width space"});
  // The editor keeps it on a line this short, but beside other pictures it is lost or doubled.
  const auto problems = CheckGlyphText(" \r\n \r\n \r\n");
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_TRUE(Contains(problems[0], "row 1: starts with a half-width space"));
}

TEST(CheckGlyphText, BytesAndCharactersThatCannotBeMeasured) {
  EXPECT_EQ(CheckGlyphText("─\x80\r\n─\r\n─\r\n"),
            std::vector<std::string>{"row 1: 0x80 at byte 2 is not Shift-JIS"});
  EXPECT_EQ(CheckGlyphText("─\r\n─\x82\r\n─\r\n"),
            std::vector<std::string>{"row 2: 0x82 at byte 2 is not Shift-JIS"});
  EXPECT_EQ(
      CheckGlyphText("─\r\n─\r\n\xF0\x40\r\n"),
      std::vector<std::string>{"row 3: 0xF0 0x40 at byte 0 has no glyph in the reader's font"});
  const auto uncertain = CheckGlyphText("W\r\nW\r\nW\r\n");
  ASSERT_EQ(uncertain.size(), 3u);
  EXPECT_TRUE(
      Contains(uncertain[0], "'W' is 12 dots in the font's bitmaps but 11 in its outlines"));
}

TEST(CheckGlyphName, NamesThatTheProgramFindsInTheirFolder) {
  EXPECT_EQ(CheckGlyphName("data", Utf8("あ.txt")), std::nullopt);
  EXPECT_EQ(CheckGlyphName("low", Utf8("ａ.txt")), std::nullopt);
  EXPECT_EQ(CheckGlyphName("low", Utf8("ｚ.txt")), std::nullopt);
  EXPECT_EQ(CheckGlyphName("up", Utf8("Ｚ.txt")), std::nullopt);
  EXPECT_EQ(CheckGlyphName("data", Utf8("＠.txt")), std::nullopt);
  EXPECT_EQ(CheckGlyphName("data", Utf8(".txt")), std::nullopt);   // the empty key
  EXPECT_EQ(CheckGlyphName("ext", Utf8("ａ.txt")), std::nullopt);  // ext holds any class
  EXPECT_EQ(CheckGlyphName("ext", Utf8(".txt")), std::nullopt);
}

TEST(CheckGlyphName, NamesThatAreNeverLookedUp) {
  EXPECT_EQ(CheckGlyphName("data", Utf8("あ.TXT")),
            "not a glyph file: the name does not end in .txt");
  EXPECT_EQ(CheckGlyphName("data", Utf8("あ")), "not a glyph file: the name does not end in .txt");
  EXPECT_EQ(CheckGlyphName("data", Utf8("あい.txt")),
            Utf8("the name 'あい' is not exactly one character"));
  EXPECT_EQ(CheckGlyphName("data", Utf8("aa.txt")), "the name 'aa' is not exactly one character");
  EXPECT_TRUE(Contains(*CheckGlyphName("data", Utf8("a.txt")), "is a single-byte character"));
  EXPECT_TRUE(Contains(*CheckGlyphName("data", Utf8("ｱ.txt")), "is a single-byte character"));
  EXPECT_EQ(CheckGlyphName("data", "\xF0\x9F\x98\x80.txt"),
            "the name '\xF0\x9F\x98\x80' cannot be written in Shift-JIS");
}

TEST(CheckGlyphName, ClassFolderMustBeTheCharactersOwn) {
  EXPECT_EQ(CheckGlyphName("data", Utf8("ａ.txt")), Utf8("'ａ' belongs in low/, not in data/"));
  EXPECT_EQ(CheckGlyphName("low", Utf8("Ａ.txt")), Utf8("'Ａ' belongs in up/, not in low/"));
  EXPECT_EQ(CheckGlyphName("up", Utf8("あ.txt")), Utf8("'あ' belongs in data/, not in up/"));
  EXPECT_EQ(CheckGlyphName("low", Utf8(".txt")), "'' belongs in data/, not in low/");
}

TEST(CheckGlyphLibrary, FindsEveryKindOfFaultInTheFixture) {
  const GlyphCheckResult result = CheckGlyphLibrary(TARUMO_FAULTY_GLYPHS);
  std::vector<std::string> found;
  for (const GlyphProblem& problem : result.problems) {
    found.push_back(problem.file + ": " + problem.message);
  }
  const char* const expected[] = {
      "low/Ａ.txt: 'Ａ' belongs in up/, not in low/",
      "data/a.txt: the name 'a' is a single-byte character, which is looked up under the empty "
      "name \".txt\"",
      "data/ab.txt: the name 'ab' is not exactly one character",
      "data/notes.md: not a glyph file: the name does not end in .txt",
      "data/あ.txt: has 2 lines; a picture needs three",
      "data/い.txt: rows differ in width: 32, 32 and 16 dots",
      "data/う.txt: row 1: has two half-width spaces in a row",
      "data/え.txt: row 1: starts with a half-width space",
      "data/お.txt: row 1: 0x80 at byte 2 is not Shift-JIS",
      "data/か.txt: row 1: 'Ｂ' is 12 dots in the font's bitmaps but 13 in its outlines, so its "
      "width depends on the renderer",
      "data/き.txt: row 1: 0xF0 0x40 at byte 0 has no glyph in the reader's font",
      "data/く.txt: a folder inside a glyph folder",
      "data/ａ.txt: 'ａ' belongs in low/, not in data/",
  };
  std::vector<std::string> expectedUtf8;
  for (const char* line : expected) expectedUtf8.push_back(Utf8(line));
  expectedUtf8.push_back(
      "data/\xF0\x9F\x98\x80.txt: the name '\xF0\x9F\x98\x80' cannot be written in Shift-JIS");
  EXPECT_EQ(found, expectedUtf8);
  // Every file named *.txt is read, the clean ones in ext, up and data (".txt") included.
  EXPECT_EQ(result.filesChecked, 15);
}

TEST(CheckGlyphLibrary, FolderWithoutGlyphFoldersIsOneProblem) {
  TempFolder folder;
  const GlyphCheckResult result = CheckGlyphLibrary(folder.path());
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_TRUE(Contains(result.problems[0].message, "no glyph folder"));
  EXPECT_EQ(result.filesChecked, 0);
}

}  // namespace
}  // namespace tarumo::cli
