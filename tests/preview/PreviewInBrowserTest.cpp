// The preview page of a conversion, as tarumo2-cli --page writes it (the window's page, byte
// for byte) and as a real browser reads it: headless Chromium decodes it as Shift-JIS and
// holds one text line of giant text before every <br>.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

// The expected texts are written in UTF-8, independent of this file's compiled literals.
std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

struct CommandRun {
  int status;
  std::string out;
};

// Runs `command` through the shell; standard error is dropped.
CommandRun RunCommand(const std::string& command) {
  CommandRun run{};
  FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  std::array<char, 4096> buffer{};
  for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
    run.out.append(buffer.data(), got);
  }
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

// tarumo2-cli on `inputFile` with the glyph library `glyphs` and further `options`.
CommandRun Convert(const std::string& glyphs, const std::string& inputFile,
                   const std::string& options) {
  return RunCommand(std::string(TARUMO_CLI) + " --glyphs " + Quoted(glyphs) + " " + options + " " +
                    Quoted(inputFile));
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// The document as headless Chromium builds it from the page, serialised as UTF-8.
CommandRun BrowserDocument(const testing::TempFolder& folder, const std::string& page) {
  return RunCommand(std::string(TARUMO_CHROMIUM) +
                    " --headless --no-sandbox --disable-gpu --no-first-run"
                    " --disable-background-networking --disable-component-update --disable-sync"
                    " --user-data-dir=" +
                    Quoted((folder.path() / "profile").string()) + " --dump-dom " +
                    Quoted("file://" + page));
}

std::string Unescaped(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", "\xC2\xA0"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
      text.replace(at, std::string(entity).size(), character);
    }
  }
  return text;
}

// The text before every <br> in the body of a serialised document. The page's line ends are
// white space in the text: each line of text starts with one.
std::vector<std::string> BodyLines(const std::string& document, std::string& rest) {
  const std::string bodyStart = "<body bgcolor=\"#efefef\">";
  const std::size_t start = document.find(bodyStart);
  const std::size_t end = document.find("</body>");
  std::vector<std::string> lines;
  if (start == std::string::npos || end == std::string::npos) return lines;
  std::string body = document.substr(start + bodyStart.size(), end - start - bodyStart.size());
  for (std::size_t at; (at = body.find("<br>")) != std::string::npos; body.erase(0, at + 4)) {
    std::string line = body.substr(0, at);
    if (!line.empty() && line.front() == '\n') line.erase(0, 1);
    lines.push_back(Unescaped(line));
  }
  rest = body;
  return lines;
}

TEST(PreviewPage, TheCliWritesTheWindowsPageInCodePage932WithCrLf) {
  testing::TempFolder folder;
  const std::string input = (folder.path() / "in.txt").string();
  std::ofstream(input, std::ios::binary) << Utf8(u8"aい\n");
  const CommandRun run = Convert(TARUMO_FIXTURE_GLYPHS, input, "--page --crlf");
  EXPECT_EQ(run.status, 0);
  // "　■■　■　■" and so on, in code page 932.
  EXPECT_EQ(run.out,
            "<html lang=\"ja\">\r\n"
            "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=shift_jis\">"
            "</head>\r\n"
            "<body bgcolor=\"#efefef\">\r\n"
            "\x81\x40\x81\xA1\x81\xA1\x81\x40\x81\xA1\x81\x40\x81\xA1<br>\r\n"
            "\x81\xA1\x81\x40\x81\xA1\x81\x40\x81\xA1\x81\x40\x81\xA1<br>\r\n"
            "\x81\x40\x81\xA1\x81\xA1\x81\xA1\x81\x40\x81\xA1\x81\x40<br>\r\n"
            "<br>\r\n"
            "</body></html>\r\n");
}

TEST(PreviewPage, AnEmptyConversionGivesTheFixedLinesAlone) {
  testing::TempFolder folder;
  const std::string input = (folder.path() / "in.txt").string();
  std::ofstream(input, std::ios::binary) << "";
  const CommandRun run = Convert(TARUMO_FIXTURE_GLYPHS, input, "--page");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "<html lang=\"ja\">\r\n"
            "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=shift_jis\">"
            "</head>\r\n"
            "<body bgcolor=\"#efefef\">\r\n"
            "</body></html>\r\n");
}

TEST(PreviewPage, ABrowserReadsThePageAsShiftJisWithOneLineOfGiantTextPerBreak) {
  testing::TempFolder folder;
  // Kana, kanji, full-width and folded half-width symbols: every row is double-byte text.
  const std::string input = (folder.path() / "in.txt").string();
  std::ofstream(input, std::ios::binary) << Utf8(u8"タルモ！\nかな？「山」\nAb&<1\n");
  const CommandRun giant = Convert(TARUMO_SHIPPED_GLYPHS, input, "");
  ASSERT_EQ(giant.status, 0);
  const std::vector<std::string> expected = LinesOf(giant.out);
  ASSERT_EQ(expected.size(), 12u);  // three row sets, each with its spacing line

  const std::string page = (folder.path() / "page.html").string();
  const CommandRun written = Convert(TARUMO_SHIPPED_GLYPHS, input, "--page");
  ASSERT_EQ(written.status, 0);
  // The page is not UTF-8: what the browser shows comes from decoding Shift-JIS.
  ASSERT_EQ(written.out.find(expected[0]), std::string::npos);
  std::ofstream(page, std::ios::binary) << written.out;

  const CommandRun document = BrowserDocument(folder, page);
  ASSERT_EQ(document.status, 0) << "cannot run " << TARUMO_CHROMIUM;
  std::string rest;
  const std::vector<std::string> shown = BodyLines(document.out, rest);
  EXPECT_EQ(shown, expected) << document.out;
  // After the last break only the page's line end.
  EXPECT_EQ(rest.find_first_not_of(" \n"), std::string::npos) << rest;
}

}  // namespace
}  // namespace tarumo
