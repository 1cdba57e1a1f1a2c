// How fast the window converts and starts, measured on the real tarumo2.exe:
//
//   window_benchmark PROGRAM_FOLDER MINIMAL_WINDOW_EXE [LINES...]   (scripts/benchmark-window.sh)
//
// PROGRAM_FOLDER holds tarumo2.exe with the shipped glyph library and a config.ini that asks
// nothing at start-up. For every count of input lines (default 100, 1000 and 2000) the program
// is started afresh, the input typed into MemoIn as one text, the spacing set to 1 and F5
// given; the time runs from the conversion's start (after the question above 120 lines is
// answered) to "100%" in the first panel. Then the program is started once more and the same
// final text set into its output editor with one WM_SETTEXT, sent and timed inside the program:
// the yardstick of what the control itself needs (the change handler's spacing rules included),
// and once more into a control that held a part of the text and was emptied (warm).
// After the longest text, the program converts 10 lines, and deletes the whole output in the
// editor (select all, Delete).
// The peak memory of both programs is reported beside the times. Last, the start-up:
// process start to main window shown, against the smallest window program. Every figure is the
// median of three runs.
#include <windows.h>
// commctrl.h needs what windows.h declares.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/ui/MessageBoxes.h"
#include "tests/ui/ProcessWindows.h"
#include "tests/ui/ProgramUnderTest.h"
#include "tests/windowbenchmark/InProcessSetText.h"

namespace tarumo::ui {
namespace {

constexpr int kRuns = 3;

// The performance counter (<chrono> has no code page 932 form of its unit suffixes).
struct Clock {
  using time_point = LONGLONG;
  static time_point now() {
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
  }
};

double SecondsSince(Clock::time_point start) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(Clock::now() - start) / static_cast<double>(frequency.QuadPart);
}

// The first `count` lines of `text`, each ending in CR LF.
std::string FirstLines(const std::string& text, int count) {
  std::size_t end = 0;
  for (int i = 0; i < count && end != std::string::npos; ++i) end = text.find('\n', end + 1);
  return end == std::string::npos ? text : text.substr(0, end + 1);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Lines of 40 characters: ASCII letters and digits, kana and punctuation, all with glyphs.
std::string Input(int lines) {
  const std::string sample =
      "Giant text 2026: きょうは いい てんき です。 カタカナ も ひらがな も ABC xyz 0123 "
      "ノリ ノリ で いこう！";
  std::vector<std::string> characters;
  for (std::size_t at = 0; at < sample.size();) {
    const auto lead = static_cast<unsigned char>(sample[at]);
    const std::size_t length = (lead >= 0x81 && lead <= 0x9F) || lead >= 0xE0 ? 2 : 1;
    characters.push_back(sample.substr(at, length));
    at += length;
  }
  std::string text;
  std::size_t next = 0;
  for (int line = 0; line < lines; ++line) {
    for (int c = 0; c < 40; ++c) text += characters[next++ % characters.size()];
    text += "\r\n";
  }
  return text;
}

struct Fill {
  int outputLines = 0;
  double convert = 0;  // F5 to "100%"
  double setText = 0;  // one WM_SETTEXT of the final text into a fresh program
  // The same into a control that held a part of the text and was emptied: the fonts and the
  // control's script tables are ready then, as they are for a second conversion.
  double warmSetText = 0;
  bool same = false;  // the WM_SETTEXT gave back the same text
  double convertPeakMegabytes = 0;
  double setTextPeakMegabytes = 0;
};

// One WM_SETTEXT of `text` into control `id`, sent and timed in the program's own thread.
double SetTextInProcess(const ProgramUnderTest& program, CommandId id, const std::string& text) {
  using benchmark::SetTextRequest;
  const std::size_t size = sizeof(SetTextRequest) + text.size() + 1;
  HANDLE mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        static_cast<DWORD>(size), benchmark::kSetTextMapping);
  auto* shared =
      static_cast<SetTextRequest*>(::MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  shared->controlId = ToWord(id);
  shared->done = 0;
  std::memcpy(shared + 1, text.c_str(), text.size() + 1);

  static HMODULE hook = ::LoadLibraryA("settext_hook.dll");
  const auto procedure = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(::GetProcAddress(hook, "SetTextHookProc")));
  const DWORD thread = ::GetWindowThreadProcessId(program.window(), nullptr);
  HHOOK installed = ::SetWindowsHookExA(WH_GETMESSAGE, procedure, hook, thread);
  ::PostMessageA(program.window(), ::RegisterWindowMessageA(benchmark::kSetTextMessage), 0, 0);
  for (int waited = 0; !shared->done && waited < 600000; waited += 5) ::Sleep(5);
  const double seconds = shared->done ? shared->seconds : -1;
  ::UnhookWindowsHookEx(installed);
  ::UnmapViewOfFile(shared);
  ::CloseHandle(mapping);
  return seconds;
}

// Waits for "100%" in the first panel. Each look is a message that the pass must let through,
// so the program is looked at every 10 ms, about as often as a moving mouse would disturb it,
// and cheaply: the panel's length is asked (a plain message), and its text, which needs memory
// made in the program, only when the length is that of "100%".
void WaitForDone(const ProgramUnderTest& program) {
  const HWND statusBar = program.control(CommandId::kStatusBar1);
  for (;;) {
    const LRESULT length = ::SendMessageA(statusBar, SB_GETTEXTLENGTHA, 0, 0);
    if (LOWORD(length) == 4 && program.StatusPanel(0) == "100%") return;
    ::Sleep(10);
  }
}

Fill MeasureFill(const std::string& folder, int lines) {
  Fill fill;
  std::string result;
  {
    ProgramUnderTest program(folder);
    program.Start();
    program.SetText(CommandId::kMemoIn, Input(lines));
    program.SetText(CommandId::kBlankLine, "1");
    program.WaitForIdle();

    ::PostMessageA(program.window(), WM_COMMAND, ToWord(CommandId::kTrance), 0);
    if (lines > 120) {
      const auto question = WaitForMessageBox(program.processId());
      if (question) Answer(*question, IDYES);
    }
    const auto start = Clock::now();
    WaitForDone(program);
    fill.convert = SecondsSince(start);
    fill.convertPeakMegabytes = program.PeakMegabytes();
    result = program.Text(CommandId::kMemoOut);
    program.Close();
  }
  for (char c : result) fill.outputLines += c == '\n';

  ProgramUnderTest program(folder);
  program.Start();
  program.WaitForIdle();
  fill.setText = SetTextInProcess(program, CommandId::kMemoOut, result);
  fill.setTextPeakMegabytes = program.PeakMegabytes();
  fill.same = program.Text(CommandId::kMemoOut) == result;
  program.Close();

  ProgramUnderTest warm(folder);
  warm.Start();
  warm.WaitForIdle();
  SetTextInProcess(warm, CommandId::kMemoOut, FirstLines(result, 100));
  SetTextInProcess(warm, CommandId::kMemoOut, "");
  fill.warmSetText = SetTextInProcess(warm, CommandId::kMemoOut, result);
  warm.Close();
  return fill;
}

// Converts `lines` input lines and waits for the end, answering the question above 120 lines.
void Convert(const ProgramUnderTest& program, int lines) {
  program.SetText(CommandId::kMemoIn, Input(lines));
  ::PostMessageA(program.window(), WM_COMMAND, ToWord(CommandId::kTrance), 0);
  if (lines > 120) {
    const auto question = WaitForMessageBox(program.processId());
    if (question) Answer(*question, IDYES);
  }
}

int OutputLineCount(const ProgramUnderTest& program) {
  return static_cast<int>(
      ::SendMessageA(program.control(CommandId::kMemoOut), EM_GETLINECOUNT, 0, 0));
}

// After the giant text of `longer` lines: F5 on 10 lines, to "100%" with their output alone in
// the editor; and, once the long text is back, the whole output selected and Delete pressed in
// the editor, to an empty editor.
struct Again {
  double convert = 0;
  double deleteAll = 0;
};

Again MeasureAgain(const std::string& folder, int longer) {
  Again again;
  ProgramUnderTest program(folder);
  program.Start();
  program.SetText(CommandId::kBlankLine, "1");
  program.WaitForIdle();
  Convert(program, longer);
  WaitForDone(program);

  const auto start = Clock::now();
  Convert(program, 10);
  // The first panel reads "100%" from the long text until the new pass empties it.
  while (OutputLineCount(program) > 41 || program.StatusPanel(0) != "100%") ::Sleep(10);
  again.convert = SecondsSince(start);

  Convert(program, longer);
  WaitForDone(program);
  program.WaitForIdle();
  const HWND memoOut = program.control(CommandId::kMemoOut);
  program.Select(CommandId::kMemoOut, 0, -1);
  const auto deleting = Clock::now();
  ::PostMessageA(memoOut, WM_KEYDOWN, VK_DELETE, 0);
  ::PostMessageA(memoOut, WM_KEYUP, VK_DELETE, 0xC0000001);
  // The length is asked with a message that waits for the program to be done with the key.
  DWORD_PTR length = 1;
  while (length != 0) {
    ::SendMessageTimeoutA(memoOut, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 600000, &length);
  }
  again.deleteAll = SecondsSince(deleting);
  program.Close();
  return again;
}

// Process start to the window of class `windowClass` shown.
double StartUpSeconds(const std::string& program, const char* windowClass) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
  const auto start = Clock::now();
  if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    std::exit(1);
  }
  HWND window = nullptr;
  while (!(window = FindProcessWindow(process.dwProcessId, windowClass))) ::Sleep(1);
  const double seconds = SecondsSince(start);
  ::PostMessageA(window, WM_CLOSE, 0, 0);
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return seconds;
}

}  // namespace
}  // namespace tarumo::ui

int main(int argc, char** argv) {
  using namespace tarumo::ui;
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_benchmark PROGRAM_FOLDER MINIMAL_WINDOW_EXE [LINES...]\n");
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != '\\') folder += '\\';
  std::vector<int> counts;
  for (int i = 3; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  if (counts.empty()) counts = {100, 1000, 2000};

  std::printf("%-12s %-13s %-16s %-16s %-7s %-20s %-7s %s\n", "input lines", "output lines",
              "F5 to 100% (s)", "WM_SETTEXT (s)", "ratio", "warm WM_SETTEXT (s)", "ratio",
              "peak MB (F5, WM_SETTEXT)");
  for (int lines : counts) {
    std::vector<double> convert, setText, warmSetText, convertPeak, setTextPeak;
    Fill fill;
    for (int run = 0; run < kRuns; ++run) {
      fill = MeasureFill(folder, lines);
      if (!fill.same) std::fprintf(stderr, "WM_SETTEXT did not give the same text back\n");
      convert.push_back(fill.convert);
      setText.push_back(fill.setText);
      warmSetText.push_back(fill.warmSetText);
      convertPeak.push_back(fill.convertPeakMegabytes);
      setTextPeak.push_back(fill.setTextPeakMegabytes);
    }
    std::printf("%-12d %-13d %-16.3f %-16.3f %-7.2f %-20.3f %-7.2f %.0f, %.0f\n", lines,
                fill.outputLines, Median(convert), Median(setText),
                Median(convert) / Median(setText), Median(warmSetText),
                Median(convert) / Median(warmSetText), Median(convertPeak), Median(setTextPeak));
    std::fflush(stdout);
  }

  // Converting again after the longest text, and deleting all of its output.
  const int longest = *std::max_element(counts.begin(), counts.end());
  std::vector<double> convertAgain, deleteAll;
  for (int run = 0; run < kRuns; ++run) {
    const Again again = MeasureAgain(folder, longest);
    convertAgain.push_back(again.convert);
    deleteAll.push_back(again.deleteAll);
  }
  std::printf(
      "after %d lines: F5 on 10 lines to 100%% %.3f s; select all and Delete in the "
      "output editor %.3f s\n",
      longest, Median(convertAgain), Median(deleteAll));
  std::fflush(stdout);

  std::vector<double> program, minimal;
  for (int run = 0; run < 2 * kRuns - 1; ++run) {  // alternating, five each
    program.push_back(StartUpSeconds(folder + "tarumo2.exe", "TForm1"));
    minimal.push_back(StartUpSeconds(argv[2], "MinimalWindow"));
  }
  std::printf(
      "start-up to window shown: tarumo2 %.3f s, smallest window program %.3f s, "
      "ratio %.2f\n",
      Median(program), Median(minimal), Median(program) / Median(minimal));
  return 0;
}
