// The File menu in the window: the real open and save dialogs, the file named on the command
// line, dropped files and Exit; and the browser preview, written into the temporary folder and
// handed to the shell, which here opens pages with a recorder.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/ui/DesktopInput.h"
#include "tests/ui/DroppedFiles.h"
#include "tests/ui/FileDialogDriver.h"
#include "tests/ui/MessageBoxes.h"
#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/ShellOpenRecorder.h"
#include "tests/ui/Waiting.h"
#include "tests/win32/TestFiles.h"

namespace tarumo::ui {
namespace {

using enum CommandId;

constexpr const char* kApplicationTitle = "タルモPART2";
constexpr const char* kQuestionCaption = "[ﾟдﾟ]";
constexpr const char* kSaveQuestion = "書きかけの文章（巨大文字じゃない方）は保存する？";
constexpr const char* kPageName = "___tarumo.html";

// The giant text of "aい" with the fixture library and one spacing line.
const std::string kGiantAI =
    "　■■　■　■\r\n"
    "■　■　■　■\r\n"
    "　■■■　■　\r\n"
    "\r\n";

using testing::FileBytes;
using testing::FileExists;
using testing::FileSize;

class DocumentsUi : public ::testing::Test {
 protected:
  DocumentsUi() {
    // Every test has a temporary folder of its own, where the preview page goes.
    program.SetEnvironment("TMP", temp.path());
    program.SetEnvironment("TEMP", temp.path());
  }

  void SetUp() override { ASSERT_TRUE(recorder) << "cannot register the page recorder"; }

  std::string PagePath() const { return temp.path() + kPageName; }

  bool Holds(CommandId id, const std::string& text) {
    return WaitUntil([&] { return program.Text(id) == text; });
  }
  // Waits for the open or save dialog and chooses `name` in it.
  void ChooseInDialog(const std::string& name) {
    const auto dialog = WaitForFileDialog(program.processId());
    ASSERT_TRUE(dialog.has_value()) << "no file dialog";
    ASSERT_TRUE(ChooseFile(*dialog, name));
  }
  // Converts `input` with the fixture library, as F5 does.
  void Convert(const std::string& input) {
    program.SetText(kMemoIn, input);
    PressKey(VK_F5);
    ASSERT_TRUE(WaitUntil([&] { return program.StatusPanel(0) == "100%"; }));
  }
  // Runs a command of the File menu from the keyboard: the menu, then the item's letter.
  void FileMenuCommand(char letter) {
    ASSERT_NO_FATAL_FAILURE(program.OpenMenu('F'));
    PressKey(letter);
  }
  // The standard error box, answered.
  void ExpectErrorBox(const std::string& text) {
    const auto box = WaitForMessageBox(program.processId());
    ASSERT_TRUE(box.has_value()) << "no error box for: " << text;
    EXPECT_EQ(box->caption, kApplicationTitle);
    EXPECT_EQ(box->text, text);
    EXPECT_TRUE(box->hasIcon);
    EXPECT_TRUE(box->ok);
    EXPECT_FALSE(box->cancel || box->yes || box->no);
    Answer(*box, IDOK);
  }

  testing::ScratchFolder files;  // the documents the tests open and save
  testing::ScratchFolder temp;   // the program's temporary folder
  ShellOpenRecorder recorder{files.path() + "opened.log", {".html"}};
  ProgramUnderTest program;
};

TEST_F(DocumentsUi, OpenLoadsTheChosenFileWithEveryLineEndMadeCrLf) {
  const std::string path = files.Write("lone ends.txt", "a\nい\rb\r\n\nc");
  ASSERT_NO_FATAL_FAILURE(program.Start());
  program.SetText(kMemoOut, "giant");
  PressKey('O', {VK_CONTROL});
  // The input editor is empty: no question, straight to the dialog.
  const auto dialog = WaitForFileDialog(program.processId());
  ASSERT_TRUE(dialog.has_value());
  EXPECT_EQ(dialog->fileTypes,
            (std::vector<std::string>{"テキストファイル", "お前が読み込みたいファイル(ﾟДﾟ)"}));
  EXPECT_EQ(dialog->selectedFileType, 0);
  EXPECT_EQ(dialog->fileName, "");
  ASSERT_TRUE(ChooseFile(*dialog, path));
  ASSERT_TRUE(Holds(kMemoIn, "a\r\nい\r\nb\r\n\r\nc")) << "MemoIn: " << program.Text(kMemoIn);
  // The output editor keeps its text; nothing is reported.
  EXPECT_EQ(program.Text(kMemoOut), "giant");
  EXPECT_FALSE(ShowsMessageBox(program.processId()));

  // The next open offers the name chosen last; cancelling it keeps the text.
  PressKey('O', {VK_CONTROL});
  const auto question = WaitForMessageBox(program.processId());
  ASSERT_TRUE(question.has_value());
  Answer(*question, IDNO);
  const auto again = WaitForFileDialog(program.processId());
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(again->fileName, "lone ends.txt");
  ASSERT_TRUE(CancelFileDialog(*again));
  EXPECT_EQ(program.Text(kMemoIn), "a\r\nい\r\nb\r\n\r\nc");
}

TEST_F(DocumentsUi, OpenOverTextAsksToSaveItFirst) {
  const std::string next = files.Write("next.txt", "next\r\n");
  ASSERT_NO_FATAL_FAILURE(program.Start());
  program.SetText(kMemoIn, "draft");

  // Cancel abandons the open: no dialog, the text stays.
  PressKey('O', {VK_CONTROL});
  auto question = WaitForMessageBox(program.processId());
  ASSERT_TRUE(question.has_value());
  EXPECT_EQ(question->caption, kQuestionCaption);
  EXPECT_EQ(question->text, kSaveQuestion);
  EXPECT_TRUE(question->yes && question->no && question->cancel);
  EXPECT_FALSE(question->hasIcon);
  Answer(*question, IDCANCEL);
  EXPECT_FALSE(ShowsFileDialog(program.processId()));
  EXPECT_EQ(program.Text(kMemoIn), "draft");

  // Yes saves the draft through the save dialog, then the open goes on.
  PressKey('O', {VK_CONTROL});
  question = WaitForMessageBox(program.processId());
  ASSERT_TRUE(question.has_value());
  EXPECT_EQ(question->text, kSaveQuestion);
  Answer(*question, IDYES);
  const auto save = WaitForFileDialog(program.processId());
  ASSERT_TRUE(save.has_value());
  EXPECT_EQ(save->fileTypes, (std::vector<std::string>{"テキスト形式", "お前が決めた形式(ﾟДﾟ)"}));
  ASSERT_TRUE(ChooseFile(*save, files.path() + "draft"));
  ASSERT_NO_FATAL_FAILURE(ChooseInDialog(next));
  ASSERT_TRUE(Holds(kMemoIn, "next\r\n"));
  EXPECT_EQ(FileBytes(files.path() + "draft.txt"), "draft\r\n");
}

TEST_F(DocumentsUi, BothSavesWriteEveryLineWithCrLfThroughOneSaveDialog) {
  ASSERT_NO_FATAL_FAILURE(program.Start());
  ASSERT_NO_FATAL_FAILURE(Convert("aい"));
  ASSERT_EQ(program.Text(kMemoOut), kGiantAI);
  program.SetText(kMemoIn, "abc\r\n\r\nあ");

  // The input text: the typed name gets ".txt", the last line its CR LF.
  PressKey('D', {VK_CONTROL});
  const auto first = WaitForFileDialog(program.processId());
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->fileTypes, (std::vector<std::string>{"テキスト形式", "お前が決めた形式(ﾟДﾟ)"}));
  EXPECT_EQ(first->selectedFileType, 0);
  ASSERT_TRUE(ChooseFile(*first, files.path() + "small"));
  ASSERT_TRUE(WaitUntil([&] { return FileBytes(files.path() + "small.txt").has_value(); }));
  EXPECT_EQ(FileBytes(files.path() + "small.txt"), "abc\r\n\r\nあ\r\n");
  EXPECT_FALSE(FileExists(files.path() + "small"));

  // The giant text, as plain text: the save dialog offers the name the input text went to.
  PressKey('S', {VK_CONTROL});
  const auto second = WaitForFileDialog(program.processId());
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->fileName, "small.txt");
  EXPECT_EQ(second->selectedFileType, 0);
  SelectFileType(*second, 1);
  ASSERT_TRUE(ChooseFile(*second, files.path() + "giant.txt"));
  ASSERT_TRUE(WaitUntil([&] { return FileBytes(files.path() + "giant.txt") == kGiantAI; }))
      << "giant.txt: " << FileBytes(files.path() + "giant.txt").value_or("(missing)");

  // The dialog offers giant.txt in its folder, with the file type chosen last: taken as
  // offered, the input text replaces the file without a question.
  PressKey('D', {VK_CONTROL});
  const auto third = WaitForFileDialog(program.processId());
  ASSERT_TRUE(third.has_value());
  EXPECT_EQ(third->fileName, "giant.txt");
  EXPECT_EQ(third->selectedFileType, 1);
  ASSERT_TRUE(AcceptFileDialog(*third));
  // Reading giant.txt while the program replaces it would make the program refuse it.
  const std::string input = "abc\r\n\r\nあ\r\n";
  ASSERT_TRUE(WaitUntil([&] { return FileSize(files.path() + "giant.txt") == input.size(); }));
  EXPECT_EQ(FileBytes(files.path() + "giant.txt"), input);
  EXPECT_FALSE(ShowsMessageBox(program.processId()));
  EXPECT_EQ(FileBytes(files.path() + "small.txt"), "abc\r\n\r\nあ\r\n");
}

TEST_F(DocumentsUi, SavingOverAReadOnlyFileIsRefusedAndTheFileStays) {
  const std::string kept = files.Write("kept.txt", "old\nbytes");
  ASSERT_TRUE(::SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY));
  // Writable again at the end, so that the folder can go.
  struct Writable {
    const std::string& path;
    ~Writable() { ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL); }
  } writableAtEnd{kept};
  ASSERT_NO_FATAL_FAILURE(program.Start());
  program.SetText(kMemoIn, "new");
  PressKey('D', {VK_CONTROL});
  ASSERT_NO_FATAL_FAILURE(ChooseInDialog(kept));
  ASSERT_NO_FATAL_FAILURE(ExpectErrorBox("ファイル " + kept + " を作成できません."));
  EXPECT_EQ(FileBytes(kept), "old\nbytes");
  EXPECT_EQ(program.Text(kMemoIn), "new");
}

TEST_F(DocumentsUi, TheFirstCommandLineArgumentIsLoadedAndTheRestIgnored) {
  // A relative name, quoted for its blank, taken relative to the folder the program starts in.
  program.WriteFile("two words.txt", "first\nline");
  program.WriteFile("second.txt", "second");
  program.SetArguments("\"two words.txt\" second.txt");
  ASSERT_NO_FATAL_FAILURE(program.Start());
  ASSERT_TRUE(Holds(kMemoIn, "first\r\nline")) << "MemoIn: " << program.Text(kMemoIn);
  EXPECT_FALSE(ShowsMessageBox(program.processId()));
  EXPECT_EQ(program.Text(kMemoOut), "");
}

TEST_F(DocumentsUi, AMissingCommandLineFileIsReportedBeforeTheWindowShows) {
  program.SetArguments("missing.txt");
  ASSERT_NO_FATAL_FAILURE(program.Launch());
  const auto box = WaitForMessageBox(program.processId());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, kApplicationTitle);
  EXPECT_EQ(box->text, "ファイル missing.txt は開けません.");
  EXPECT_TRUE(box->hasIcon);
  EXPECT_TRUE(box->ok);
  // The box belongs to the main window, which has not shown yet.
  HWND owner = ::GetWindow(box->box, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(::IsWindowVisible(owner));
  Answer(*box, IDOK);
  ASSERT_NO_FATAL_FAILURE(program.AwaitMainWindow());
  EXPECT_EQ(program.Text(kMemoIn), "");
  EXPECT_FALSE(ShowsMessageBox(program.processId()));
}

TEST_F(DocumentsUi, ADropLoadsTheLastFileAfterOneQuestion) {
  const std::string one = files.Write("one.txt", "one");
  const std::string two = files.Write("two.txt", "two");
  const std::string three = files.Write("three.dat", "three\nlines");
  ASSERT_NO_FATAL_FAILURE(program.Start());
  program.SetText(kMemoIn, "draft");
  program.SetText(kMemoOut, "giant");
  ASSERT_TRUE(DropFiles(program.processId(), program.window(), {one, two, three}));
  const auto question = WaitForMessageBox(program.processId());
  ASSERT_TRUE(question.has_value());
  EXPECT_EQ(question->text, kSaveQuestion);
  Answer(*question, IDNO);
  ASSERT_TRUE(Holds(kMemoIn, "three\r\nlines")) << "MemoIn: " << program.Text(kMemoIn);
  EXPECT_FALSE(ShowsMessageBox(program.processId()));
  EXPECT_EQ(program.Text(kMemoOut), "giant");

  // A missing file is reported; the text stays, and the next drop works again.
  ASSERT_TRUE(DropFiles(program.processId(), program.window(), {files.path() + "gone.txt"}));
  auto again = WaitForMessageBox(program.processId());
  ASSERT_TRUE(again.has_value());
  Answer(*again, IDNO);
  ASSERT_NO_FATAL_FAILURE(ExpectErrorBox("ファイル " + files.path() + "gone.txt は開けません."));
  EXPECT_EQ(program.Text(kMemoIn), "three\r\nlines");
}

TEST_F(DocumentsUi, AFileDroppedOnTheOutputEditorReachesTheWindow) {
  const std::string dropped = files.Write("dropped.txt", "dropped");
  ASSERT_NO_FATAL_FAILURE(program.Start());
  HWND memoOut = program.control(kMemoOut);
  // The rich edit control keeps no drop target of its own, which would take the files first.
  EXPECT_EQ(::GetPropA(memoOut, "OleDropTargetInterface"), nullptr);
  RECT bounds{};
  ::GetWindowRect(memoOut, &bounds);
  const POINT inside{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  ASSERT_EQ(::WindowFromPoint(inside), memoOut);
  EXPECT_EQ(DropWindowAt(inside), program.window());
  ASSERT_TRUE(DropFilesAt(program.processId(), inside, {dropped}));
  ASSERT_TRUE(Holds(kMemoIn, "dropped")) << "MemoIn: " << program.Text(kMemoIn);
}

TEST_F(DocumentsUi, F2WritesThePageIntoTheTemporaryFolderAndHandsItToTheShell) {
  ASSERT_NO_FATAL_FAILURE(program.Start());
  ASSERT_NO_FATAL_FAILURE(Convert("aい"));
  // Markup characters and blanks go into the page as they are.
  program.SetText(kMemoOut, kGiantAI + "a<b>&c\"d\r\n　x y");
  ASSERT_TRUE(Holds(kMemoOut, kGiantAI + "a<b>&c\"d\r\n　x y"));
  EXPECT_FALSE(FileExists(PagePath()));
  PressKey(VK_F2);
  ASSERT_TRUE(WaitUntil([&] { return recorder.Opened().size() == 1; })) << "nothing was opened";
  EXPECT_EQ(recorder.Opened()[0], PagePath());
  EXPECT_EQ(FileBytes(PagePath()),
            "<html lang=\"ja\">\r\n"
            "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=shift_jis\">"
            "</head>\r\n"
            "<body bgcolor=\"#efefef\">\r\n"
            "　■■　■　■<br>\r\n"
            "■　■　■　■<br>\r\n"
            "　■■■　■　<br>\r\n"
            "<br>\r\n"
            "a<b>&c\"d<br>\r\n"
            "　x y<br>\r\n"
            "</body></html>\r\n");

  // A second preview replaces the page: an empty output gives the fixed lines alone.
  program.SetText(kMemoOut, "");
  PressKey(VK_F2);
  ASSERT_TRUE(WaitUntil([&] { return recorder.Opened().size() == 2; }));
  EXPECT_EQ(recorder.Opened()[1], PagePath());
  EXPECT_EQ(FileBytes(PagePath()),
            "<html lang=\"ja\">\r\n"
            "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=shift_jis\">"
            "</head>\r\n"
            "<body bgcolor=\"#efefef\">\r\n"
            "</body></html>\r\n");
  EXPECT_FALSE(ShowsMessageBox(program.processId()));

  // Closing the window deletes the page.
  EXPECT_EQ(program.Close(), 0u);
  EXPECT_FALSE(FileExists(PagePath()));
}

TEST_F(DocumentsUi, APageThatCannotBeWrittenIsReportedAndNothingIsOpened) {
  const std::string missing = temp.path() + "missing\\";
  program.SetEnvironment("TMP", missing);
  program.SetEnvironment("TEMP", missing);
  ASSERT_NO_FATAL_FAILURE(program.Start());
  program.SetText(kMemoOut, "giant");
  PressKey(VK_F2);
  ASSERT_NO_FATAL_FAILURE(ExpectErrorBox("ファイル " + missing + kPageName + " を作成できません."));
  EXPECT_TRUE(recorder.Opened().empty());
}

TEST_F(DocumentsUi, ExitEndsWithCodeZeroAndRemovesThePreviewPage) {
  ASSERT_NO_FATAL_FAILURE(program.Start());
  program.SetText(kMemoIn, "unsaved");
  program.SetText(kMemoOut, "giant");
  PressKey(VK_F2);
  ASSERT_TRUE(WaitUntil([&] { return recorder.Opened().size() == 1; }));
  ASSERT_TRUE(FileExists(PagePath()));
  ASSERT_NO_FATAL_FAILURE(FileMenuCommand('X'));
  // No question about the unsaved text.
  EXPECT_EQ(program.WaitForExit(), 0u);
  EXPECT_FALSE(FileExists(PagePath()));
}

}  // namespace
}  // namespace tarumo::ui
