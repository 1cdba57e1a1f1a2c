// tarumo2-cli end to end: the real program on the fixture glyph library.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs tarumo2-cli with `arguments` (shell words) and `input` on standard input.
CliRun RunCliCommand(const std::string& arguments, const std::string& input) {
  testing::TempFolder folder;
  const auto in = folder.path() / "in";
  const auto err = folder.path() / "err";
  std::ofstream(in, std::ios::binary) << input;
  const std::string command =
      std::string(TARUMO_CLI) + " " + arguments + " < " + in.string() + " 2> " + err.string();
  CliRun run{};
  FILE* pipe = ::popen(command.c_str(), "r");
  std::array<char, 4096> buffer{};
  for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
    run.out.append(buffer.data(), got);
  }
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream errors(err, std::ios::binary);
  run.err.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
  return run;
}

// Converts with `arguments` and the glyph library `glyphs`.
CliRun RunCli(const std::string& arguments, const std::string& input,
              const std::string& glyphs = TARUMO_FIXTURE_GLYPHS) {
  return RunCliCommand("--glyphs " + glyphs + " " + arguments, input);
}

// The expected texts are written in UTF-8, independent of this file's compiled literals.
std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

TEST(Cli, ConvertsUtf8InputWithSpacingLinesAfterEveryRowSet) {
  const CliRun run = RunCli("", "a\xE3\x81\x84\nA\n");  // "aい", "A"
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Utf8(u8"　■■　■　■\n■　■　■　■\n　■■■　■　\n\n"
                          u8"　■　\n■■■\n■　■\n\n"));
  EXPECT_EQ(run.err, "");
}

TEST(Cli, Cp932InAndOutWithCrLfAndBlankLines) {
  const CliRun run = RunCli("--encoding cp932 --crlf --blank 0", "\x82\xA0\r\n");  // "あ"
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "\x81\xA1\x81\xA1\x81\xA1\r\n\x81\x40\x81\xA1\x81\xA1\r\n"
            "\x81\xA1\x81\xA1\x81\x40\r\n");
}

TEST(Cli, MissingGlyphsAreListedOnStandardErrorAndStillSucceed) {
  const CliRun run = RunCli("", "aXa\n\tY\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, Utf8(u8"[ ﾟдﾟ]＜『Ｘ』『』『Ｙ』が変換できません！！\n"));
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), Utf8(u8"　■■　　■■　"));
}

TEST(Cli, ABadBlankValueFailsThePassWithTheProgramsMessage) {
  const CliRun run = RunCli("--blank x", "a\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, Utf8(u8"tarumo2-cli: 'x' は整数ではありません\n"));
}

TEST(Cli, InputThatCannotBeTakenNamesItsLine) {
  CliRun run = RunCli("", "a\n\xFF\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tarumo2-cli: line 2: not valid UTF-8\n");
  run = RunCli("", "a\nb\n\xF0\x9F\x98\x80\n");  // an emoji
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tarumo2-cli: line 3: a character that code page 932 cannot hold\n");
  run = RunCli("--encoding cp932", "\x82\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tarumo2-cli: line 1: not valid Shift-JIS (code page 932)\n");
}

TEST(Cli, BadUsageExitsWithTwo) {
  EXPECT_EQ(RunCli("--encoding latin1", "").status, 2);
  EXPECT_EQ(RunCli("--frobnicate", "").status, 2);
  EXPECT_EQ(RunCli("--blank", "").status, 2);
  EXPECT_EQ(RunCli("--width 0", "").status, 2);
  EXPECT_EQ(RunCli("--post-bytes 2k", "").status, 2);
  const CliRun help = RunCli("--help", "");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--encoding"), std::string::npos);
}

TEST(Cli, UnusableInputOrGlyphLibraryEndsInOneLineAndStatusTwo) {
  testing::TempFolder folder;
  const std::string dir = folder.path().string();
  CliRun run = RunCli(dir, "");  // a folder named as the input file
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tarumo2-cli: cannot open " + dir + "\n");
  run = RunCli("", "a\n", "/no/such/folder");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tarumo2-cli: no glyph library at /no/such/folder\n");
  run = RunCli("", "a\n", dir);  // a folder without ext, low, up or data
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tarumo2-cli: no glyph folder (ext, low, up or data) in " + dir + "\n");
  EXPECT_EQ(run.out, "");
  // Standard input that is a folder cannot be read either.
  const auto err = folder.path() / "err";
  const int status = std::system((std::string(TARUMO_CLI) + " --glyphs " + TARUMO_FIXTURE_GLYPHS +
                                  " < " + dir + " 2> " + err.string())
                                     .c_str());
  EXPECT_EQ(WEXITSTATUS(status), 2);
  std::ifstream errors(err);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(errors), {}),
            "tarumo2-cli: the input could not be read\n");
}

TEST(Cli, OutputThatCannotBeWrittenIsAFailure) {
  const CliRun run = RunCli("> /dev/full", "a\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tarumo2-cli: the output could not be written\n");
}

TEST(Cli, GlyphFilesThatAreNoTextStopThePassWithoutHanging) {
  testing::TempFolder library;
  library.Write("data\\あ.txt", std::string("x\0\r\ny\r\nz\r\n", 9));  // a NUL ends the text
  std::string tall;
  for (int i = 0; i < 10000; ++i) tall += "row " + std::to_string(i) + "\r\n";
  library.Write("data\\い.txt", tall);
  CliRun run = RunCli("--blank 0", "\xE3\x81\x84\n", library.path().string());  // "い"
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "row 0\nrow 1\nrow 2\n");
  run = RunCli("", "\xE3\x81\x82\n", library.path().string());  // "あ": one line only
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, Utf8(u8"tarumo2-cli: リストのインデックスが範囲を超えています (1)\n"));

  const std::string fifo = library.path() / reinterpret_cast<const char*>(u8"data/う.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  run = RunCli("", "\xE3\x81\x86\n", library.path().string());  // "う"
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tarumo2-cli: " + Utf8(u8"ファイル ") + library.path().string() +
                         Utf8(u8"\\data\\う.txt は開けません\n"));
  run = RunCliCommand("check-glyphs " + library.path().string(), "");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find(Utf8(u8"data/う.txt: not a regular file\n")), std::string::npos);
}

TEST(Cli, OutputLinesObeyTheSpacingRules) {
  // A glyph whose rows break the rules comes out as the window would show it.
  testing::TempFolder library;
  library.Write("data\\あ.txt", "  xy\r\ny  z\r\n \r\n");
  const CliRun run = RunCli("--blank 0", "\xE3\x81\x82\n", library.path().string());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "xy\ny z\n \n");
}

// In the fixture library あ is 48 dots wide (its widest row) and い 43, and every row of theirs
// takes 6 bytes in Shift-JIS.
TEST(Cli, WidthBreaksALineIntoRowSetsEachWithItsSpacingLines) {
  const std::string apart = RunCli("--blank 2", Utf8(u8"あい\nあい\nあ\n")).out;
  EXPECT_EQ(RunCli("--blank 2 --width 100", Utf8(u8"あいあいあ\n")).out, apart);
  // The blank at a break is dropped; one that fits stays in its row set.
  EXPECT_EQ(RunCli("--blank 2 --width 100", Utf8(u8"あい　あい あ\n")).out, apart);
  EXPECT_EQ(RunCli("--width 200", Utf8(u8"あい あ\n")).out, RunCli("", Utf8(u8"あい あ\n")).out);
}

TEST(Cli, PostsAreApartByAFormFeedLineAndSummedUpOnTheLastLineOfStandardError) {
  // Two row sets and their spacing line make 7 lines: a third goes into the next post, and
  // the spacing line before it is dropped.
  const CliRun run = RunCli("--post-lines 7", Utf8(u8"あ\nい\nあ\n"));
  EXPECT_EQ(run.status, 0);
  const std::string first = RunCli("", Utf8(u8"あ\nい\n")).out;
  EXPECT_EQ(run.out,
            first.substr(0, first.size() - 1) + "\f\n" + RunCli("--blank 0", Utf8(u8"あ\n")).out);
  EXPECT_EQ(run.err, "2 posts (bytes/lines): 48/7 22/3\n");
  // 48 bytes hold the same two; on the page a rule stands between the posts. A line without
  // a glyph is a row set of three empty rows.
  const CliRun page = RunCli("--page --post-bytes 48", Utf8(u8"あ\nい\nあ\nX\n"));
  EXPECT_EQ(page.status, 0);
  EXPECT_NE(page.out.find("<br>\r\n<hr>\r\n"), std::string::npos);
  EXPECT_EQ(page.out.find('\f'), std::string::npos);
  EXPECT_EQ(page.err,
            Utf8(u8"[ ﾟдﾟ]＜『Ｘ』が変換できません！！\n") + "2 posts (bytes/lines): 48/7 30/7\n");
}

TEST(Cli, ARowSetOverThePostLimitStopsTheConversionAtItsLine) {
  const CliRun run = RunCli("--post-bytes 30", Utf8(u8"あ\nあああ\nい\n"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, RunCli("--blank 0", Utf8(u8"あ\n")).out);
  EXPECT_EQ(run.err,
            "tarumo2-cli: line 2: a row set of 58 bytes and 3 lines is over the limit of a post "
            "(30 bytes); --width PX breaks it into narrower row sets\n");
  EXPECT_EQ(RunCli("--post-bytes 30 --width 50", Utf8(u8"あ\nあああ\nい\n")).status, 0);
}

TEST(Cli, MeasureFindsTheRowSetsOfAGiantTextAndThePostsItNeeds) {
  const std::string spaced = RunCli("", Utf8(u8"あ\nあい\nあ\n")).out;
  const CliRun run = RunCliCommand("measure --post-lines 7", spaced);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "row sets: 3\nwidest row set: 91 dots, from line 5\nposts: 2 of at most 7 lines\n");
  // Without spacing lines, a block holds row sets of three lines; what is left is shorter.
  const std::string joined = RunCli("--blank 0", Utf8(u8"あ\nあい\n")).out + "x\n";
  EXPECT_EQ(RunCliCommand("measure", joined).out,
            "row sets: 3 (1 of fewer than three lines)\nwidest row set: 91 dots, from line 4\n");
  EXPECT_EQ(RunCliCommand("measure --post-bytes 40", spaced + spaced).status, 0);
  EXPECT_EQ(RunCliCommand("measure --post-bytes 39", spaced).status, 1);
}

TEST(Cli, CoverageTellsTheShareOfCharactersWithAGlyphAndTheMostMissing) {
  // ａ, あ, い and １ have glyphs in the fixture library; う twice and ＠ do not.
  const CliRun run = RunCliCommand(std::string("coverage --glyphs ") + TARUMO_FIXTURE_GLYPHS,
                                   Utf8(u8"a あ\tうう\n1@い\n"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Utf8(u8"non-blank characters: 7, with a glyph: 4 (57.14%)\n"
                          u8"Japanese characters: 4, with a glyph: 2 (50.00%)\n"
                          u8"most often without a glyph (2 different): う 2 ＠ 1\n"));
  EXPECT_EQ(RunCliCommand("coverage --glyphs /no/such/folder", "").status, 2);
}

}  // namespace
}  // namespace tarumo
