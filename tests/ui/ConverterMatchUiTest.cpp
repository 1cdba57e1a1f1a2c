// The window's giant text of a large input is the command-line converter's, byte for byte: the
// two take their lines through one core, and the window fills its output editor line by line
// with its painting paced, which must change nothing of the text. The converter's output comes
// from tests/ui/cli-reference.sh, run before this test.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/MessageBoxes.h"
#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/Waiting.h"
#include "tests/win32/TestFiles.h"

namespace tarumo::ui {
namespace {

using enum CommandId;

TEST(ConverterMatchUi, ALargeInputGivesTheConvertersGiantText) {
  const auto input = testing::FileBytes(BesideTestProgram("cli-reference\\large-input.txt"));
  const auto expected = testing::FileBytes(BesideTestProgram("cli-reference\\large-output.txt"));
  ASSERT_TRUE(input && expected) << "no output of the converter to compare with";

  ProgramUnderTest program(ProgramUnderTest::LibraryBeside{"shipped-glyphs"});
  ASSERT_NO_FATAL_FAILURE(program.Start());
  program.SetText(kMemoIn, *input);
  program.SetText(kBlankLine, "1");
  ::PostMessageA(program.window(), WM_COMMAND, ToWord(kTrance), 0);
  const auto question = WaitForMessageBox(program.processId());  // above 120 lines
  ASSERT_TRUE(question.has_value());
  Answer(*question, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return program.StatusPanel(0) == "100%"; }));
  const std::string giant = program.Text(kMemoOut);
  EXPECT_EQ(giant.size(), expected->size());
  EXPECT_TRUE(giant == *expected) << "the window's giant text differs from the converter's";
}

}  // namespace
}  // namespace tarumo::ui
