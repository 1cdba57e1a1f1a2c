#include <gtest/gtest.h>

#include "common/Error.h"
#include "documents/BrowserPreview.h"
#include "documents/PreviewPage.h"
#include "platform/posix/PosixFileWriter.h"
#include "platform/posix/PosixTempDirectory.h"
#include "tests/unit/FakeDocumentWindow.h"
#include "tests/unit/FakeShell.h"
#include "tests/unit/MemoryFiles.h"
#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

using testing::FakeShell;
using testing::FakeTextEditor;
using testing::MemoryFiles;

constexpr const char* kFixedHead =
    "<html lang=\"ja\">\r\n"
    "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=shift_jis\"></head>\r\n"
    "<body bgcolor=\"#efefef\">\r\n";
constexpr const char* kFixedEnd = "</body></html>\r\n";
constexpr const char* kPage = "C:\\Temp\\___tarumo.html";

class FixedTemp final : public TempDirectory {
 public:
  std::optional<std::string> folder = std::string("C:\\Temp\\");
  std::optional<std::string> Path() const override { return folder; }
};

class BrowserPreviewTest : public ::testing::Test {
 protected:
  std::string PageBytes() { return files_.files.at(kPage); }

  FakeTextEditor output_;
  FixedTemp temp_;
  MemoryFiles files_;
  FakeShell shell_;
  BrowserPreview preview_{output_, temp_, files_, shell_};
};

TEST_F(BrowserPreviewTest, AnEmptyEditorGivesTheFourFixedLinesAndFormCloseDeletesThem) {
  preview_.BrowserClick();
  EXPECT_EQ(PageBytes(), std::string(kFixedHead) + kFixedEnd);
  EXPECT_EQ(shell_.opened, std::vector<std::string>{kPage});
  preview_.FormClose();
  EXPECT_EQ(files_.removed, std::vector<std::string>{kPage});
}

TEST_F(BrowserPreviewTest, LinesGoInUnescapedEachWithBr) {
  output_.text = "<b>&amp; \"x\"\r\n　 ｱ\r\n\r\n";  // the empty last line is not written
  preview_.BrowserClick();
  EXPECT_EQ(PageBytes(),
            std::string(kFixedHead) + "<b>&amp; \"x\"<br>\r\n　 ｱ<br>\r\n<br>\r\n" + kFixedEnd);
}

TEST_F(BrowserPreviewTest, APageThatCannotBeWrittenIsNotOpened) {
  files_.readOnly.insert(kPage);
  try {
    preview_.BrowserClick();
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), std::string("ファイル ") + kPage + " を作成できません");
  }
  files_.readOnly.clear();
  files_.diskFull = true;
  EXPECT_THROW(preview_.BrowserClick(), Error);
  EXPECT_TRUE(shell_.opened.empty());
}

TEST_F(BrowserPreviewTest, WithoutATemporaryFolderNothingIsWrittenOrRemoved) {
  temp_.folder.reset();
  try {
    preview_.BrowserClick();
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "ファイル ___tarumo.html を作成できません");
  }
  preview_.FormClose();
  EXPECT_TRUE(files_.files.empty());
  EXPECT_TRUE(files_.removed.empty());
  EXPECT_TRUE(shell_.opened.empty());
}

TEST(BrowserPreview, AMissingTemporaryFolderIsReportedWithThePagesPathAndNothingOpens) {
  // The real writer: the folder that TMPDIR names is not there.
  testing::TempFolder folder;
  const std::string missing = folder.path().string() + "/gone/";
  ::setenv("TMPDIR", missing.c_str(), 1);
  FakeTextEditor output;
  output.text = "giant\r\n";
  FakeShell shell;
  PosixTempDirectory temp;
  PosixFileWriter writer;
  BrowserPreview preview(output, temp, writer, shell);
  try {
    preview.BrowserClick();
    ADD_FAILURE() << "wrote a page into a missing folder";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), "ファイル " + missing + "___tarumo.html を作成できません");
  }
  ::unsetenv("TMPDIR");
  EXPECT_TRUE(shell.opened.empty());
  preview.FormClose();  // nothing there to remove, and nothing said
}

}  // namespace
}  // namespace tarumo
