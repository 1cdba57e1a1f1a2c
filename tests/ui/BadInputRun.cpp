// Bad input in the window, measured rather than tested: scripts/bad-input.sh runs this program
// under Wine with the inputs it made in TARUMO_BAD_INPUT (a Windows folder name). Each case
// prints one line: what the window did, how long it took and the program's peak memory.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/ui/DesktopInput.h"
#include "tests/ui/DroppedFiles.h"
#include "tests/ui/MessageBoxes.h"
#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/Waiting.h"

namespace tarumo::ui {
namespace {

using enum CommandId;

constexpr const char* kLongInputCaption = "|!|(!ﾟ ヮﾟﾉ!.";

std::string Input(const char* name) {
  const char* folder = std::getenv("TARUMO_BAD_INPUT");
  return std::string(folder ? folder : ".") + "\\" + name;
}

// How long a conversion may run before the run reports how far it got.
DWORD ConversionLimit() {
  const char* minutes = std::getenv("TARUMO_WINDOW_MINUTES");
  return (minutes ? std::atoi(minutes) : 20) * 60000;
}

// <chrono> cannot be compiled to code page 932 ("µs"); the tick count serves.
ULONGLONG Now() {
  return ::GetTickCount64();
}

double SecondsSince(ULONGLONG start) {
  return (Now() - start) / 1000.0;
}

void Report(const char* name, const std::string& what, double seconds,
            const ProgramUnderTest& program) {
  std::printf("window: %-26s %s; %.1f s, peak %.0f MB\n", name, what.c_str(), seconds,
              program.PeakMegabytes());
  std::fflush(stdout);
}

// Whether the window takes messages now: a pass that is building its output takes none, and
// asking it for a panel's text would wait until it is done.
bool Responds(const ProgramUnderTest& program) {
  return ::SendMessageTimeoutA(program.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr) !=
         0;
}

// What ended a step: the first box's text, or the status panels.
std::string Outcome(ProgramUnderTest& program) {
  if (const auto box = WaitForMessageBox(program.processId())) {
    const std::string text = "box '" + box->text + "'";
    Answer(*box, box->ok ? IDOK : IDNO);
    return text;
  }
  return "no box; panels '" + program.StatusPanel(0) + "' '" + program.StatusPanel(1) + "'";
}

enum class Then { kConvert, kStop };

// Starts the program with `file` as its command-line file and the shipped glyph library, as a
// user has it, and converts it unless told to stop there, answering Yes to the question about
// a long input.
void OpenAndConvert(const char* name, const std::string& file, Then then = Then::kConvert) {
  ProgramUnderTest program(ProgramUnderTest::LibraryBeside{"shipped-glyphs"});
  program.SetArguments("\"" + file + "\"");
  auto start = Now();
  program.Launch();
  // A file that cannot be loaded shows its box before the window.
  const bool shown =
      WaitUntil([&] { return program.ShowsMainWindow() || ShowsMessageBox(program.processId()); },
                ConversionLimit());
  double seconds = SecondsSince(start);
  if (!shown || ShowsMessageBox(program.processId())) {
    return Report(name, "not loaded: " + Outcome(program), seconds, program);
  }
  program.AwaitMainWindow();
  const LRESULT loaded = ::SendMessageA(program.control(kMemoIn), WM_GETTEXTLENGTH, 0, 0);
  Report(name, "loaded " + std::to_string(loaded) + " bytes", seconds, program);
  if (then == Then::kStop) return;

  start = Now();
  PressKey(VK_F5);
  // Yes to the question about a long input; any other box ends the pass.
  bool asked = false;
  const bool done = WaitUntil(
      [&] {
        if (!asked && ShowsMessageBox(program.processId())) {
          const auto box = WaitForMessageBox(program.processId());
          if (box && box->caption == kLongInputCaption) {
            Answer(*box, IDYES);
            asked = true;
            return false;
          }
        }
        return ShowsMessageBox(program.processId()) ||
               (Responds(program) && program.StatusPanel(0) == "100%");
      },
      ConversionLimit());
  seconds = SecondsSince(start);
  std::string what;
  if (done) {
    what = "converted: " + Outcome(program);
  } else if (Responds(program)) {
    what = "still filling the output at " + program.StatusPanel(0);
  } else {
    what = "still building the output, the window busy";
  }
  Report(name, what, seconds, program);
}

TEST(BadInput, FiveMegabytes) {
  OpenAndConvert("5 MB text", Input("text-5mb.txt"));
}

// Opened only: its output of about a gigabyte would take the control under Wine some 140 GB of
// memory (the 5 MB text's took 14 GB).
TEST(BadInput, FiftyMegabytes) {
  OpenAndConvert("50 MB text", Input("text-50mb.txt"), Then::kStop);
}

TEST(BadInput, InvalidShiftJis) {
  OpenAndConvert("invalid Shift-JIS", Input("invalid-sjis.txt"));
}

TEST(BadInput, DroppedBinaryFile) {
  ProgramUnderTest program;
  program.Start();
  const auto start = Now();
  DropFiles(program.processId(), program.window(), {Input("binary.bin")});
  WaitUntil([&] { return ShowsMessageBox(program.processId()); });
  const double seconds = SecondsSince(start);
  Report("binary file dropped", Outcome(program), seconds, program);
}

// One glyph file of the library made bad, and its character converted.
void ConvertWithBadGlyph(const char* name, const char* character,
                         void (*spoil)(ProgramUnderTest&)) {
  ProgramUnderTest program;
  spoil(program);
  program.Start();
  program.SetText(kMemoIn, character);
  const auto start = Now();
  PressKey(VK_F5);
  WaitUntil(
      [&] { return program.StatusPanel(0) == "100%" || ShowsMessageBox(program.processId()); });
  const double seconds = SecondsSince(start);
  Report(name,
         Outcome(program) + ", output " + std::to_string(program.Text(kMemoOut).size()) + " bytes",
         seconds, program);
}

TEST(BadInput, GlyphFileWithNulBytes) {
  ConvertWithBadGlyph("glyph file with NUL", "あ", [](ProgramUnderTest& program) {
    program.WriteFile("data\\あ.txt", std::string("\x81\xA1\0\r\n\x81\xA1\r\n\x81\xA1\r\n", 11));
  });
}

TEST(BadInput, GlyphFileOf10000Lines) {
  ConvertWithBadGlyph("glyph file of 10,000 lines", "あ", [](ProgramUnderTest& program) {
    std::string lines;
    for (int i = 0; i < 10000; ++i) lines += "\x81\xA1\r\n";
    program.WriteFile("data\\あ.txt", lines);
  });
}

TEST(BadInput, GlyphFileThatIsAFolder) {
  ConvertWithBadGlyph("glyph 'file' that is a folder", "あ", [](ProgramUnderTest& program) {
    ::DeleteFileA((program.folder() + "data\\あ.txt").c_str());
    ::CreateDirectoryA((program.folder() + "data\\あ.txt").c_str(), nullptr);
  });
}

}  // namespace
}  // namespace tarumo::ui
