#include <gtest/gtest.h>

#include "common/Error.h"
#include "documents/DocumentCommands.h"
#include "tests/unit/FakeDocumentWindow.h"
#include "tests/unit/FakeMessageBoxes.h"
#include "tests/unit/FakeShell.h"
#include "tests/unit/MemoryFiles.h"

namespace tarumo {
namespace {

using testing::FakeDropList;
using testing::FakeFileDialogs;
using testing::FakeMessageBoxes;
using testing::FakeShell;
using testing::FakeTextEditor;
using testing::MemoryFiles;

constexpr const char* kSaveQuestion = "書きかけの文章（巨大文字じゃない方）は保存する？";
constexpr MessageAnswer kYes = MessageAnswer::kYes;
constexpr MessageAnswer kNo = MessageAnswer::kNo;
constexpr MessageAnswer kCancel = MessageAnswer::kCancel;

struct Exited {
  int code;
};

class ThrowingExit final : public ProcessExit {
 public:
  [[noreturn]] void Exit(int code) override { throw Exited{code}; }
};

class FixedTemp final : public TempDirectory {
 public:
  std::optional<std::string> Path() const override { return std::string("T\\"); }
};

FileDialogState Chosen(const std::string& name, int filter = 1) {
  return {name, filter};
}

class DocumentCommandsTest : public ::testing::Test {
 protected:
  DocumentCommandsTest() {
    input_.text = "old\r\n";
    output_.text = "giant\r\n";
    files_.files["new.txt"] = "line one\nline two";
  }

  std::string ErrorOf(void (DocumentCommands::*command)()) {
    try {
      (commands_.*command)();
    } catch (const Error& error) {
      return error.what();
    }
    return "no error";
  }
  std::string DropError(FakeDropList& drop) {
    try {
      commands_.FormDropFiles(drop);
    } catch (const Error& error) {
      return error.what();
    }
    return "no error";
  }

  FakeTextEditor input_;
  FakeTextEditor output_;
  FakeMessageBoxes boxes_;
  FakeFileDialogs dialogs_;
  MemoryFiles files_;
  FakeShell shell_;
  FixedTemp temp_;
  ThrowingExit exit_;
  BrowserPreview preview_{output_, temp_, files_, shell_};
  DocumentCommands commands_{{input_, output_, boxes_, dialogs_, files_, files_, preview_, exit_}};
};

TEST_F(DocumentCommandsTest, NewAsksOnlyWhenTheInputHoldsText) {
  input_.text = "";
  commands_.NewTextClick();
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_EQ(output_.text, "giant\r\n");

  input_.text = "\r\n";  // one empty line is text
  boxes_.answers = {kNo, kYes};
  commands_.NewTextClick();
  EXPECT_EQ(input_.text, "\r\n");
  commands_.NewTextClick();
  EXPECT_EQ(input_.text, "");
  EXPECT_EQ(output_.text, "");
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(boxes_.shown[0].text, "マジで？");
  EXPECT_EQ(boxes_.shown[0].title, "[ﾟдﾟ]");
  EXPECT_EQ(boxes_.shown[0].buttons, MessageButtons::kYesNo);
}

TEST_F(DocumentCommandsTest, OpenLoadsWithCrLfAndKeepsTheGiantText) {
  boxes_.answers = {kNo};
  dialogs_.choices = {Chosen("new.txt", 2)};
  commands_.OpenTextClick();
  EXPECT_EQ(input_.text, "line one\r\nline two");
  EXPECT_EQ(output_.text, "giant\r\n");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, kSaveQuestion);
  EXPECT_EQ(boxes_.shown[0].title, "[ﾟдﾟ]");
  EXPECT_EQ(boxes_.shown[0].buttons, MessageButtons::kYesNoCancel);
  EXPECT_EQ(commands_.OpenDialogState().filterIndex, 2);
}

TEST_F(DocumentCommandsTest, YesThenCancelInTheSaveDialogStillReplacesTheText) {
  boxes_.answers = {kYes};
  dialogs_.choices = {std::nullopt, Chosen("new.txt")};
  commands_.OpenTextClick();
  ASSERT_EQ(dialogs_.shown.size(), 2u);
  EXPECT_EQ(dialogs_.shown[0].kind, FileDialogKind::kSave);
  EXPECT_EQ(dialogs_.shown[1].kind, FileDialogKind::kOpen);
  EXPECT_EQ(input_.text, "line one\r\nline two");
  EXPECT_EQ(files_.files.size(), 1u);  // nothing saved
}

TEST_F(DocumentCommandsTest, YesSavesTheInputBeforeOpening) {
  boxes_.answers = {kYes};
  dialogs_.choices = {Chosen("draft.txt"), Chosen("new.txt")};
  commands_.OpenTextClick();
  EXPECT_EQ(files_.files.at("draft.txt"), "old\r\n");
  EXPECT_EQ(input_.text, "line one\r\nline two");
}

TEST_F(DocumentCommandsTest, CancelInTheQuestionChangesNothing) {
  boxes_.answers = {kCancel};
  commands_.OpenTextClick();
  EXPECT_TRUE(dialogs_.shown.empty());
  EXPECT_EQ(input_.text, "old\r\n");
}

TEST_F(DocumentCommandsTest, AFailingSaveEndsTheOpen) {
  boxes_.answers = {kYes};
  dialogs_.choices = {Chosen("locked.txt")};
  files_.readOnly.insert("locked.txt");
  EXPECT_EQ(ErrorOf(&DocumentCommands::OpenTextClick), "ファイル locked.txt を作成できません");
  EXPECT_EQ(dialogs_.shown.size(), 1u);  // no open dialog
  EXPECT_EQ(input_.text, "old\r\n");
}

TEST_F(DocumentCommandsTest, FailedLoadsKeepTheInputText) {
  input_.text = "";
  dialogs_.choices = {Chosen("missing.txt"), Chosen("nul.txt"), Chosen("big.txt")};
  EXPECT_EQ(ErrorOf(&DocumentCommands::OpenTextClick), "ファイル missing.txt は開けません");

  input_.text = "";
  files_.files["nul.txt"] = std::string("ab\0cd", 5);
  EXPECT_EQ(ErrorOf(&DocumentCommands::OpenTextClick),
            "ファイル nul.txt は NUL バイトを含むので開けません");
  EXPECT_EQ(input_.setTextCalls, 0);

  files_.files["big.txt"] = "0123456789";
  input_.limit = 5;
  EXPECT_EQ(ErrorOf(&DocumentCommands::OpenTextClick), "文字列の大きさが メモ の制限を越えました");
  EXPECT_EQ(input_.text, "");
}

TEST_F(DocumentCommandsTest, LoadingTheSameTextLeavesTheEditorAlone) {
  input_.text = "line one\r\nline two";
  boxes_.answers = {kNo};
  dialogs_.choices = {Chosen("new.txt")};
  commands_.OpenTextClick();
  EXPECT_EQ(input_.setTextCalls, 0);
}

TEST_F(DocumentCommandsTest, BothSavesShareTheSaveDialogsNameAndFilter) {
  dialogs_.choices = {Chosen("small.txt", 2), Chosen("giant.txt", 1)};
  commands_.SaveSmallTextClick();
  commands_.SaveTextClick();
  ASSERT_EQ(dialogs_.shown.size(), 2u);
  EXPECT_EQ(dialogs_.shown[1].offered.fileName, "small.txt");
  EXPECT_EQ(dialogs_.shown[1].offered.filterIndex, 2);
  EXPECT_EQ(files_.files.at("small.txt"), "old\r\n");
  EXPECT_EQ(files_.files.at("giant.txt"), "giant\r\n");
  EXPECT_EQ(commands_.SaveDialogState().fileName, "giant.txt");

  input_.text = "";  // an empty editor writes 0 bytes; Cancel writes nothing
  dialogs_.choices = {Chosen("empty.txt"), std::nullopt};
  commands_.SaveSmallTextClick();
  commands_.SaveTextClick();
  EXPECT_EQ(files_.files.at("empty.txt"), "");
  EXPECT_EQ(files_.files.size(), 4u);
}

TEST_F(DocumentCommandsTest, ThreeDroppedFilesLoadTheLastAndAskOnce) {
  files_.files["1.txt"] = "one";
  files_.files["2.txt"] = "two";
  files_.files["3.txt"] = "three\n";
  FakeDropList drop({"1.txt", "2.txt", "3.txt"});
  boxes_.answers = {kNo};
  commands_.FormDropFiles(drop);
  EXPECT_EQ(input_.text, "three\r\n");
  EXPECT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(drop.queried, (std::vector<unsigned>{0, 1, 2}));
  EXPECT_EQ(drop.finished, 1);
  EXPECT_EQ(output_.text, "giant\r\n");
}

TEST_F(DocumentCommandsTest, EveryWayOutOfADropFinishesIt) {
  FakeDropList cancelled({"new.txt"});
  boxes_.answers = {kCancel};
  commands_.FormDropFiles(cancelled);
  EXPECT_EQ(cancelled.finished, 1);
  EXPECT_EQ(input_.text, "old\r\n");

  FakeDropList missing({"gone.txt"});
  boxes_.answers = {kNo};
  EXPECT_EQ(DropError(missing), "ファイル gone.txt は開けません");
  EXPECT_EQ(missing.finished, 1);

  FakeDropList failedSave({"new.txt"});
  boxes_.answers = {kYes};
  dialogs_.choices = {Chosen("locked.txt")};
  files_.diskFull = true;
  EXPECT_EQ(DropError(failedSave), "ストリームへの書き込みエラー");
  EXPECT_EQ(failedSave.finished, 1);
  EXPECT_EQ(input_.text, "old\r\n");
}

TEST_F(DocumentCommandsTest, TheCommandLineLoadsItsFirstArgumentOnly) {
  input_.text = "";
  files_.files["second.txt"] = "second";
  commands_.LoadCommandLineFile("tarumo2.exe \"new.txt\" second.txt");
  EXPECT_EQ(input_.text, "line one\r\nline two");
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_TRUE(dialogs_.shown.empty());
  EXPECT_EQ(commands_.OpenDialogState().fileName, "");  // the dialogs offer nothing new

  input_.text = "";
  commands_.LoadCommandLineFile("tarumo2.exe");
  EXPECT_EQ(input_.setTextCalls, 1);
  try {
    commands_.LoadCommandLineFile("tarumo2.exe ..\\unreadable.txt");
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "ファイル ..\\unreadable.txt は開けません");
  }
  EXPECT_EQ(input_.text, "");
  try {  // an empty first argument is taken, and names no file
    commands_.LoadCommandLineFile("tarumo2.exe \"\" second.txt");
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "ファイル  は開けません");
  }
}

TEST_F(DocumentCommandsTest, ExitRemovesThePreviewPageAndEndsWithZeroAskingNothing) {
  files_.files["T\\___tarumo.html"] = "page";
  try {
    commands_.ExitAppClick();
    ADD_FAILURE() << "did not exit";
  } catch (const Exited& exited) {
    EXPECT_EQ(exited.code, 0);
  }
  EXPECT_EQ(files_.removed, std::vector<std::string>{"T\\___tarumo.html"});
  EXPECT_TRUE(boxes_.shown.empty());
}

}  // namespace
}  // namespace tarumo
