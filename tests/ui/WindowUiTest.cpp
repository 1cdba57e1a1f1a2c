// The main window as it opens: caption, controls at their places in tab order, hints, the
// spacing spinner, the sizing rule, the exit code, and the executable's icon and version.

// <windows.h> comes first: the other system headers build on it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/ui/DesktopInput.h"
#include "tests/ui/ProcessWindows.h"
#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/Waiting.h"

namespace tarumo::ui {
namespace {

using enum CommandId;

constexpr const char* kSpacingHint = "複数行にわたったときの行間を指定します";

std::string ClassOf(HWND window) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

std::string CaptionOf(HWND window) {
  char text[256] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

::testing::AssertionResult At(const RECT& actual, const RECT& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "at (" << actual.left << ", " << actual.top << ") " << actual.right - actual.left
         << " x " << actual.bottom - actual.top << ", expected (" << expected.left << ", "
         << expected.top << ") " << expected.right - expected.left << " x "
         << expected.bottom - expected.top;
}

class WindowUi : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(program.Start()); }

  void Resize(int width, int height) {
    ::SetWindowPos(program.window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  }
  // The output editor's bounds that the sizing rule gives for the current client area.
  RECT MemoOutRule() {
    const SIZE client = program.ClientSize();
    return Bounds(0, 80, client.cx, client.cy - 96);
  }

  ProgramUnderTest program;
};

TEST_F(WindowUi, OpensWithItsCaptionAndItsControlsInPlace) {
  EXPECT_EQ(CaptionOf(program.window()), "巨大文字作成ツール　－タルモPART2－");
  const SIZE client = program.ClientSize();
  EXPECT_EQ(client.cx, 625);
  EXPECT_EQ(client.cy, 465);

  EXPECT_TRUE(At(program.ControlBounds(kMemoIn), Bounds(0, 0, 425, 73)));
  EXPECT_TRUE(At(program.ControlBounds(kButton1), Bounds(432, 8, 81, 25)));
  EXPECT_TRUE(At(program.ControlBounds(kButton2), Bounds(432, 40, 81, 25)));
  EXPECT_TRUE(At(program.ControlBounds(kBlankLine), Bounds(560, 40, 33, 20)));
  EXPECT_TRUE(At(program.ControlBounds(kBlankLineUD), Bounds(593, 40, 16, 20)));
  EXPECT_TRUE(At(program.ControlBounds(kMemoOut), Bounds(0, 80, 625, 369)));
  EXPECT_TRUE(At(program.ControlBounds(kStatusBar1), Bounds(0, 446, 625, 19)));

  EXPECT_STRCASEEQ(ClassOf(program.control(kMemoIn)).c_str(), "Edit");
  EXPECT_STRCASEEQ(ClassOf(program.control(kMemoOut)).c_str(), "RichEdit");
  EXPECT_STRCASEEQ(ClassOf(program.control(kBlankLineUD)).c_str(), UPDOWN_CLASSA);
  EXPECT_EQ(program.Text(kButton1), "変換");
  EXPECT_EQ(program.Text(kButton2), "コピー");
  EXPECT_EQ(program.Text(kBlankLine), "1");
  EXPECT_EQ(program.Text(kMemoIn), "");
  EXPECT_EQ(program.Text(kMemoOut), "");
  EXPECT_EQ(::SendMessageA(program.control(kStatusBar1), SB_GETPARTS, 0, 0), 2);
  EXPECT_EQ(program.StatusPanel(0), "");
  EXPECT_EQ(program.StatusPanel(1), "");
  EXPECT_EQ(program.FocusedControl(), program.control(kMemoIn));

  // Both scroll bars of the output editor show, even with nothing to scroll.
  const LONG style = ::GetWindowLongA(program.control(kMemoOut), GWL_STYLE);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & ES_DISABLENOSCROLL);
}

TEST_F(WindowUi, TheButtonsTheSpacingBoxAndTheLabelHaveHints) {
  // The hint window is made once the window shows.
  HWND tooltips = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    tooltips = FindProcessWindow(program.processId(), TOOLTIPS_CLASSA, [](HWND) { return true; });
    return tooltips && ::SendMessageA(tooltips, TTM_GETTOOLCOUNT, 0, 0) == 4;
  }));

  // A hint shows when the mouse rests on its control, or on the label's place in the window.
  // The hint window's text is the shown hint (asked with WM_GETTEXT: GetWindowText would give
  // another process's window its caption).
  const struct {
    HWND window;
    POINT point;
    const char* hint;
  } places[] = {{program.control(kButton1), {10, 10}, "巨大文字に変換します"},
                {program.window(), {540, 49}, kSpacingHint}};
  for (const auto& place : places) {
    MoveMouse(place.window, place.point);
    EXPECT_TRUE(WaitUntil([&] {
      char text[128] = {};
      ::SendMessageA(tooltips, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
      return ::IsWindowVisible(tooltips) && std::string(text) == place.hint;
    })) << "no hint '" << place.hint << "'";
  }
  MoveMouse(program.window(), {300, 200});
}

TEST_F(WindowUi, TabVisitsTheControlsInTheirOrder) {
  const CommandId order[] = {kButton1, kButton2, kBlankLine, kBlankLineUD, kMemoOut, kMemoIn};
  for (CommandId next : order) {
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return program.FocusedControl() == program.control(next); }))
        << "Tab did not reach control " << ToWord(next);
  }
  PressKey(VK_TAB, {VK_SHIFT});
  ASSERT_TRUE(WaitUntil([&] { return program.FocusedControl() == program.control(kMemoOut); }));
}

TEST_F(WindowUi, TheSpinnerStepsTheSpacingBetweenZeroAndTen) {
  HWND spinner = program.control(kBlankLineUD);
  EXPECT_EQ(reinterpret_cast<HWND>(::SendMessageA(spinner, UDM_GETBUDDY, 0, 0)),
            program.control(kBlankLine));
  const LRESULT range = ::SendMessageA(spinner, UDM_GETRANGE, 0, 0);
  EXPECT_EQ(HIWORD(range), 0);   // lowest
  EXPECT_EQ(LOWORD(range), 10);  // highest

  for (int i = 0; i < 3; ++i) PressKey(VK_TAB);  // into BlankLine
  ASSERT_TRUE(WaitUntil([&] { return program.FocusedControl() == program.control(kBlankLine); }));
  PressKey(VK_UP);
  ASSERT_TRUE(WaitUntil([&] { return program.Text(kBlankLine) == "2"; }));
  for (int i = 0; i < 12; ++i) PressKey(VK_UP);
  ASSERT_TRUE(WaitUntil([&] { return program.Text(kBlankLine) == "10"; }));
  for (int i = 0; i < 12; ++i) PressKey(VK_DOWN);
  // Stops at the ends rather than wrapping around.
  ASSERT_TRUE(WaitUntil([&] { return program.Text(kBlankLine) == "0"; }));
}

TEST_F(WindowUi, TooSmallSizesAreCorrectedAndTheOutputEditorFollowsTheSize) {
  Resize(550, 150);
  ASSERT_TRUE(WaitUntil([&] {
    return program.OuterSize().cx == 620 && program.OuterSize().cy == 200;
  })) << program.OuterSize().cx
      << " x " << program.OuterSize().cy;
  EXPECT_TRUE(At(program.ControlBounds(kMemoOut), MemoOutRule()));

  Resize(610, 199);
  ASSERT_TRUE(WaitUntil([&] { return program.OuterSize().cy == 200; }));
  EXPECT_EQ(program.OuterSize().cx, 610);

  Resize(900, 700);
  ASSERT_TRUE(
      WaitUntil([&] { return program.OuterSize().cx == 900 && program.OuterSize().cy == 700; }));
  EXPECT_TRUE(At(program.ControlBounds(kMemoOut), MemoOutRule()));
  const SIZE client = program.ClientSize();
  EXPECT_TRUE(At(program.ControlBounds(kStatusBar1), Bounds(0, client.cy - 19, client.cx, 19)));
  // Nothing else moves.
  EXPECT_TRUE(At(program.ControlBounds(kMemoIn), Bounds(0, 0, 425, 73)));
  EXPECT_TRUE(At(program.ControlBounds(kBlankLine), Bounds(560, 40, 33, 20)));
}

TEST_F(WindowUi, TheTaskbarEntryCarriesTheApplicationTitleAndOwnsTheMainWindow) {
  HWND main = program.window();
  HWND application = ::GetWindow(main, GW_OWNER);
  ASSERT_NE(application, nullptr);
  EXPECT_EQ(CaptionOf(application), "タルモPART2");
  EXPECT_EQ(CaptionOf(main), "巨大文字作成ツール　－タルモPART2－");
  // The entry is the unowned, shown window of the two; the owned main window has none.
  EXPECT_EQ(::GetWindow(application, GW_OWNER), nullptr);
  EXPECT_TRUE(::IsWindowVisible(application));
  EXPECT_FALSE(::GetWindowLongA(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(::GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  RECT entry{};
  ::GetWindowRect(application, &entry);
  EXPECT_EQ(entry.right - entry.left, 0);  // nothing of it shows on the screen
  EXPECT_EQ(entry.bottom - entry.top, 0);

  // Minimising the main window minimises the application; restoring the entry brings the
  // window back, active.
  ::PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(application) && !::IsWindowVisible(main); }));
  ::PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsIconic(application) && ::IsWindowVisible(main); }));
  EXPECT_FALSE(::IsIconic(main));
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }));
  // The focus comes back to where it was once the activation has reached the main window.
  EXPECT_TRUE(WaitUntil([&] { return program.FocusedControl() == program.control(kMemoIn); }));
}

// The exit code of the program under test once it has ended; STILL_ACTIVE when it goes on.
DWORD ExitCodeOf(DWORD processId) {
  HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
  if (!process) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  if (::WaitForSingleObject(process, kPatience) == WAIT_OBJECT_0)
    ::GetExitCodeProcess(process, &code);
  ::CloseHandle(process);
  return code;
}

TEST_F(WindowUi, AltF4EndsTheProgramWithExitCodeZero) {
  PressKey(VK_F4, {VK_MENU});
  EXPECT_EQ(ExitCodeOf(program.processId()), 0u);
}

TEST_F(WindowUi, ClosingTheTaskbarEntryEndsTheProgramWithExitCodeZero) {
  ::PostMessageA(::GetWindow(program.window(), GW_OWNER), WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitCodeOf(program.processId()), 0u);
}

// The executable's version resource, as Windows Explorer shows it.
class VersionResource {
 public:
  explicit VersionResource(const std::string& file) {
    DWORD ignored = 0;
    data_.resize(::GetFileVersionInfoSizeA(file.c_str(), &ignored));
    if (!data_.empty() &&
        !::GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(data_.size()), data_.data())) {
      data_.clear();
    }
  }
  bool loaded() const { return !data_.empty(); }
  std::string String(const std::string& name) const {
    void* value = nullptr;
    UINT length = 0;
    const std::string path = "\\StringFileInfo\\041103A4\\" + name;
    if (!::VerQueryValueA(data_.data(), path.c_str(), &value, &length)) return "(missing)";
    return static_cast<const char*>(value);
  }
  VS_FIXEDFILEINFO Fixed() const {
    void* value = nullptr;
    UINT length = 0;
    VS_FIXEDFILEINFO info{};
    if (::VerQueryValueA(data_.data(), "\\", &value, &length))
      std::memcpy(&info, value, sizeof info);
    return info;
  }
  DWORD Translation() const {
    void* value = nullptr;
    UINT length = 0;
    DWORD translation = 0;
    if (::VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation", &value, &length)) {
      std::memcpy(&translation, value, sizeof translation);
    }
    return translation;
  }

 private:
  std::vector<char> data_;
};

TEST(ProgramFile, CarriesItsVersionInJapanese) {
  const VersionResource version(BesideTestProgram("tarumo2.exe"));
  ASSERT_TRUE(version.loaded());
  const VS_FIXEDFILEINFO fixed = version.Fixed();
  EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(5, 0));
  EXPECT_EQ(fixed.dwFileVersionLS, MAKELONG(0, 5));
  EXPECT_EQ(fixed.dwProductVersionMS, MAKELONG(5, 0));
  EXPECT_EQ(fixed.dwProductVersionLS, MAKELONG(0, 5));
  EXPECT_EQ(version.Translation(), MAKELONG(0x0411, 932));
  EXPECT_EQ(version.String("FileDescription"), "(*ﾟдﾟ)＜巨大文字AAを作るソフト");
  EXPECT_EQ(version.String("ProductName"), "巨大文字作成ツール　－タルモPART2－");
  EXPECT_EQ(version.String("InternalName"), "tarumo2");
  EXPECT_EQ(version.String("OriginalFilename"), "tarumo2.exe");
  EXPECT_EQ(version.String("ProductVersion"), "(ﾟДﾟ)");

  HMODULE program =
      ::LoadLibraryExA(BesideTestProgram("tarumo2.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  EXPECT_NE(::FindResourceExA(program, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1),  // RT_VERSION
                              MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN)),
            nullptr);
  ::FreeLibrary(program);
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bitsPerPixel;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(ProgramFile, CarriesOne32By32IconIn256Colours) {
  HMODULE program =
      ::LoadLibraryExA(BesideTestProgram("tarumo2.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  HRSRC group =
      ::FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(program, group)));
  ASSERT_NE(bytes, nullptr);
  WORD count = 0;
  std::memcpy(&count, bytes + 4, sizeof count);
  ASSERT_EQ(count, 1);
  IconGroupEntry entry{};
  std::memcpy(&entry, bytes + 6, sizeof entry);
  EXPECT_EQ(entry.width, 32);
  EXPECT_EQ(entry.height, 32);
  EXPECT_EQ(entry.bitsPerPixel, 8);
  ::FreeLibrary(program);
}

}  // namespace
}  // namespace tarumo::ui
