// Editing in the window: the output editor's spacing rules as the user types and pastes, the
// Edit menu acting on the editor last entered, the context menu, and the Copy button.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/DesktopInput.h"
#include "tests/ui/MessageBoxes.h"
#include "tests/ui/ProcessWindows.h"
#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/TestClipboard.h"
#include "tests/ui/Waiting.h"

namespace tarumo::ui {
namespace {

using enum CommandId;

class EditingUi : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(program.Start()); }

  // Clicks into the middle of a control.
  void ClickOn(CommandId id) {
    const RECT bounds = program.ControlBounds(id);
    Click(program.window(), {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
  }
  // Clicks into a control and waits until it has the focus.
  void ClickInto(CommandId id) {
    ClickOn(id);
    ASSERT_TRUE(WaitUntil([&] { return program.FocusedControl() == program.control(id); }));
  }
  bool Holds(CommandId id, const std::string& text) {
    return WaitUntil([&] { return program.Text(id) == text; });
  }

  ProgramUnderTest program;
};

TEST_F(EditingUi, ATypedSecondSpaceCollapsesAndTheCaretStaysAfterTheSpace) {
  program.SetText(kMemoOut, "ab c\r\n");
  PressKey(VK_TAB, {VK_SHIFT});  // from MemoIn back to MemoOut
  ASSERT_TRUE(WaitUntil([&] { return program.FocusedControl() == program.control(kMemoOut); }));
  program.Select(kMemoOut, 3, 3);  // right after the space
  TypeText(" x");
  // The doubled space became one, with the caret right after it: the x follows the space.
  ASSERT_TRUE(Holds(kMemoOut, "ab xc\r\n"));
  EXPECT_EQ(program.Selection(kMemoOut), std::make_pair(4, 4));
}

TEST_F(EditingUi, TypedDoubleByteCharactersReachTheOutputEditorWhole) {
  ASSERT_NO_FATAL_FAILURE(ClickInto(kMemoOut));
  TypeText("あ　■ソ");
  ASSERT_TRUE(Holds(kMemoOut, "あ　■ソ")) << "MemoOut: " << program.Text(kMemoOut);
}

TEST_F(EditingUi, TextPastedIntoTheOutputEditorLosesItsRunsOfSpaces) {
  PutOnClipboard("a    b\r\n c d\r\n　 x");
  ClickInto(kMemoOut);
  PressKey('V', {VK_CONTROL});
  // The leading space of " c d" goes; a full-width space stays, a half-width one after it too.
  ASSERT_TRUE(Holds(kMemoOut, "a b\r\nc d\r\n　 x"));
}

// A selection of many lines of giant text is removed by the program rather than by the control
// (which would take minutes for thousands): the user sees the same, and Ctrl+Z brings it back.
TEST_F(EditingUi, DeletingOrTypingOverAllOfALongOutputIsUndoneByCtrlZ) {
  std::string giant;
  for (int i = 0; i < 300; ++i) giant += "　■■　■　■\r\n■　■　■　■\r\n";
  program.SetText(kMemoOut, giant);
  ASSERT_NO_FATAL_FAILURE(ClickInto(kMemoOut));
  PressKey('A', {VK_CONTROL});
  PressKey(VK_DELETE);
  ASSERT_TRUE(Holds(kMemoOut, ""));
  PressKey('Z', {VK_CONTROL});
  ASSERT_TRUE(Holds(kMemoOut, giant));
  EXPECT_EQ(program.FocusedControl(), program.control(kMemoOut));

  // Typed over, all but the first line: the typed character stands where the selection began,
  // and undoing goes back through the typing to the text.
  const auto secondLine = ::SendMessageA(program.control(kMemoOut), EM_LINEINDEX, 1, 0);
  program.Select(kMemoOut, static_cast<int>(secondLine), -1);
  TypeText("x");
  const std::string firstLine = "　■■　■　■\r\n";
  ASSERT_TRUE(Holds(kMemoOut, firstLine + "x")) << program.Text(kMemoOut).substr(0, 80);
  PressKey('Z', {VK_CONTROL});
  ASSERT_TRUE(Holds(kMemoOut, firstLine));
  PressKey('Z', {VK_CONTROL});
  EXPECT_TRUE(Holds(kMemoOut, giant));
}

TEST_F(EditingUi, PasteWithTheFocusInTheSpacingBoxGoesToTheEditorLastEntered) {
  PutOnClipboard("xyz");
  ASSERT_NO_FATAL_FAILURE(ClickInto(kMemoOut));
  ASSERT_NO_FATAL_FAILURE(ClickInto(kBlankLine));
  PressKey('V', {VK_CONTROL});
  ASSERT_TRUE(Holds(kMemoOut, "xyz"));
  EXPECT_EQ(program.Text(kBlankLine), "1");
  EXPECT_EQ(program.Text(kMemoIn), "");

  PutOnClipboard("abc");
  ASSERT_NO_FATAL_FAILURE(ClickInto(kMemoIn));
  ASSERT_NO_FATAL_FAILURE(ClickInto(kBlankLine));
  PressKey('V', {VK_CONTROL});
  ASSERT_TRUE(Holds(kMemoIn, "abc"));
  EXPECT_EQ(program.Text(kMemoOut), "xyz");
  EXPECT_EQ(program.Text(kBlankLine), "1");
}

TEST_F(EditingUi, SelectAllRightAfterStartSelectsTheInputEditor) {
  program.SetText(kMemoIn, "abc\r\nde");
  program.SetText(kMemoOut, "out");
  PressKey('A', {VK_CONTROL});
  ASSERT_TRUE(WaitUntil([&] { return program.Selection(kMemoIn) == std::make_pair(0, 7); }));
  PressKey('X', {VK_CONTROL});
  ASSERT_TRUE(Holds(kMemoIn, ""));
  EXPECT_EQ(ClipboardText(), "abc\r\nde");
  PressKey('Z', {VK_CONTROL});
  ASSERT_TRUE(Holds(kMemoIn, "abc\r\nde"));
  EXPECT_EQ(program.Text(kMemoOut), "out");
}

TEST_F(EditingUi, PasteFromTheContextMenuGoesToTheOutputEditor) {
  PutOnClipboard("pasted");
  ASSERT_NO_FATAL_FAILURE(ClickInto(kMemoIn));
  const RECT memoOut = program.ControlBounds(kMemoOut);
  Click(program.window(), {memoOut.left + 40, memoOut.top + 40}, /*right=*/true);
  ASSERT_NE(WaitForPopupMenu(program.processId()), nullptr);
  PressKey('V');  // 貼り付け(&V)
  ASSERT_TRUE(Holds(kMemoOut, "pasted"));
  EXPECT_EQ(program.Text(kMemoIn), "");
  EXPECT_EQ(program.FocusedControl(), program.control(kMemoOut));
}

TEST_F(EditingUi, TheContextMenuOpensAtTheEditorsCornerFromTheKeyboard) {
  ASSERT_NO_FATAL_FAILURE(ClickInto(kMemoOut));
  PressKey(VK_F10, {VK_SHIFT});
  HWND menu = WaitForPopupMenu(program.processId());
  ASSERT_NE(menu, nullptr);
  RECT placed{};
  ::GetWindowRect(menu, &placed);
  POINT corner{0, 0};
  ::ClientToScreen(program.control(kMemoOut), &corner);
  EXPECT_EQ(placed.left, corner.x);
  EXPECT_EQ(placed.top, corner.y);
  PressKey(VK_ESCAPE);
}

TEST_F(EditingUi, TheCopyButtonCopiesAllOfTheOutputWhateverIsSelected) {
  const std::string text = "　■■　\r\n■　■　\r\n\r\n";
  program.SetText(kMemoOut, text);
  program.Select(kMemoOut, 1, 3);
  PutOnClipboard("before");
  ASSERT_NO_FATAL_FAILURE(ClickInto(kButton2));
  ASSERT_TRUE(WaitUntil([&] { return ClipboardText() == text; }));
  EXPECT_EQ(program.Selection(kMemoOut), std::make_pair(1, 3));
  // An empty output editor leaves an empty text on the clipboard.
  program.SetText(kMemoOut, "");
  ASSERT_NO_FATAL_FAILURE(ClickInto(kMemoIn));
  ASSERT_NO_FATAL_FAILURE(ClickInto(kButton2));
  ASSERT_TRUE(WaitUntil([&] { return ClipboardText() == ""; }));
}

TEST_F(EditingUi, TheCopyButtonReportsAClipboardHeldByAnotherProgram) {
  program.SetText(kMemoOut, "giant");
  PutOnClipboard("kept");
  {
    ClipboardLock lock;
    ASSERT_TRUE(lock);
    ClickOn(kButton2);
    const auto box = WaitForMessageBox(program.processId());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "タルモPART2");
    EXPECT_EQ(box->text, "クリップボードを開くことができません.");
    EXPECT_TRUE(box->hasIcon);
    Answer(*box, IDOK);
  }
  EXPECT_EQ(ClipboardText(), "kept");
}

TEST_F(EditingUi, F6DoesNothing) {
  program.SetText(kMemoOut, "giant");
  PutOnClipboard("before");
  PressKey(VK_F6);
  TypeText("z");  // handled after F6: once it shows, F6 has been handled too
  ASSERT_TRUE(Holds(kMemoIn, "z"));
  EXPECT_EQ(ClipboardText(), "before");
  EXPECT_EQ(program.Text(kMemoOut), "giant");
  EXPECT_FALSE(ShowsMessageBox(program.processId()));
}

}  // namespace
}  // namespace tarumo::ui
