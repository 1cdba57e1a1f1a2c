// The help file, the support page and the version message in the window: what the shell is
// handed (recorded in place of the text editor and the browser) and the version box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/release/ReleaseUi.h"
#include "tests/ui/DesktopInput.h"
#include "tests/ui/Waiting.h"
#include "tests/win32/ScratchFolder.h"

namespace tarumo::release {
namespace {

using Opened = std::vector<std::string>;

constexpr char kVersionInfoKey = 'A';

// The version message's first line: an ideographic space after "ツール" and full-width
// hyphen-minus signs around the name.
constexpr const char* kVersionLine = "巨大文字作成ツール　－タルモPART2－ ver0.55";
static_assert(std::string_view(kVersionLine).find("\x81\x40\x81\x7C") != std::string_view::npos);

class HelpUi : public ReleaseUi {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ReleaseUi::SetUp());
    ASSERT_NO_FATAL_FAILURE(UseServer(kArchivePort));
    WriteConfig("[CONFIG]\r\nAutoUpdate=0\r\n");
  }
};

TEST_F(HelpUi, TheVersionMessageHasItsThreeLinesItsTitleAndOneButton) {
  ASSERT_NO_FATAL_FAILURE(program.Start());
  ASSERT_NO_FATAL_FAILURE(MenuCommand(kVersionInfoKey));
  const auto box = ui::WaitForMessageBox(program.processId());
  ASSERT_TRUE(box.has_value());
  // The maker line is the program's own: one line, not empty.
  const std::string head = std::string(kVersionLine) + "\n\n";
  ASSERT_EQ(box->text.substr(0, head.size()), head);
  const std::string maker = box->text.substr(head.size());
  EXPECT_FALSE(maker.empty());
  EXPECT_EQ(maker.find_first_of("\r\n"), std::string::npos);
  ASSERT_NO_FATAL_FAILURE(AnswerBox(box->text, "バージョン情報", Buttons::kOk, IDOK));
  ExpectNoBox();
}

TEST_F(HelpUi, F1OpensReadmeTxtOfTheProgramsFolderWhenStartedThere) {
  ASSERT_TRUE(program.CopyIn(ui::BesideTestProgram("readme.txt"), "readme.txt"));
  ASSERT_NO_FATAL_FAILURE(program.Start());
  ui::PressKey(VK_F1);
  EXPECT_EQ(shell.Opened(1, ui::kPatience), Opened{program.folder() + "readme.txt"});
  ExpectNoBox();
}

TEST_F(HelpUi, F1LooksForReadmeTxtInTheCurrentFolder) {
  // No readme.txt in the program folder: the system's search would find that one first.
  testing::ScratchFolder elsewhere;
  program.SetWorkingFolder(elsewhere.path());
  ASSERT_NO_FATAL_FAILURE(program.Start());
  ui::PressKey(VK_F1);
  // Nothing there: nothing opens, and nothing is said.
  ExpectNoBox();
  EXPECT_TRUE(shell.Opened().empty());

  elsewhere.Write("readme.txt", "elsewhere\r\n");
  ui::PressKey(VK_F1);
  EXPECT_EQ(shell.Opened(1, ui::kPatience), Opened{elsewhere.path() + "readme.txt"});
}

TEST_F(HelpUi, CtrlIOpensTheSupportPageWithoutAskingTheServer) {
  ASSERT_NO_FATAL_FAILURE(program.Start());
  ui::PressKey('I', {VK_CONTROL});
  EXPECT_EQ(shell.Opened(1, ui::kPatience), Opened{SupportPageUrl(kArchivePort)});
  ExpectNoBox();
  EXPECT_TRUE(requests.NewRequests().empty());
}

}  // namespace
}  // namespace tarumo::release
