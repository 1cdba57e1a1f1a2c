#include "conversion/GlyphFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/Error.h"
#include "platform/posix/PosixFileSystem.h"
#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

using testing::TempFolder;

class GlyphFilesTest : public ::testing::Test {
 protected:
  std::optional<std::string> Find(std::string_view key) {
    return FindGlyphFile(folder_.ProgramFolder(), key, files_);
  }
  std::string Message(const std::string& path) {
    try {
      ReadGlyphRows(path, files_);
    } catch (const Error& error) {
      return error.what();
    }
    return "no error";
  }

  TempFolder folder_;
  PosixFileSystem files_;
};

TEST(ClassFolderOf, LetterRangesIncludeBothBounds) {
  EXPECT_STREQ(ClassFolderOf("ａ"), "low\\");
  EXPECT_STREQ(ClassFolderOf("ｚ"), "low\\");
  EXPECT_STREQ(ClassFolderOf("Ａ"), "up\\");
  EXPECT_STREQ(ClassFolderOf("Ｚ"), "up\\");
}

TEST(ClassFolderOf, EverythingElseIsData) {
  EXPECT_STREQ(ClassFolderOf("＠"), "data\\");
  EXPECT_STREQ(ClassFolderOf("１"), "data\\");
  EXPECT_STREQ(ClassFolderOf("あ"), "data\\");
  EXPECT_STREQ(ClassFolderOf(""), "data\\");
  EXPECT_STREQ(ClassFolderOf("\x82"), "data\\");      // a prefix sorts before the bounds
  EXPECT_STREQ(ClassFolderOf("\x82\x9B"), "data\\");  // just after ｚ
  EXPECT_STREQ(ClassFolderOf("\x82\x5F"), "data\\");  // just before Ａ
  EXPECT_STREQ(ClassFolderOf("\x82\x80"), "data\\");  // between Ｚ and ａ
}

TEST_F(GlyphFilesTest, ExtComesBeforeTheClassFolder) {
  const std::string low = folder_.Write("low\\ａ.txt", "1\n2\n3\n");
  EXPECT_EQ(Find("ａ"), low);
  const std::string ext = folder_.Write("ext\\ａ.txt", "1\n2\n3\n");
  EXPECT_EQ(Find("ａ"), ext);
}

TEST_F(GlyphFilesTest, EachKeyIsLookedUpInItsOwnClassFolderOnly) {
  folder_.Write("data\\ａ.txt", "1\n2\n3\n");
  folder_.Write("low\\Ａ.txt", "1\n2\n3\n");
  EXPECT_EQ(Find("ａ"), std::nullopt);
  EXPECT_EQ(Find("Ａ"), std::nullopt);
  EXPECT_EQ(Find("＠"), std::nullopt);
  const std::string at = folder_.Write("data\\＠.txt", "1\n2\n3\n");
  EXPECT_EQ(Find("＠"), at);
}

TEST_F(GlyphFilesTest, TheEmptyKeyIsTheFileNamedDotTxt) {
  EXPECT_EQ(Find(""), std::nullopt);
  const std::string data = folder_.Write("data\\.txt", "1\n2\n3\n");
  EXPECT_EQ(Find(""), data);
  EXPECT_EQ(data, folder_.ProgramFolder() + "data\\.txt");
  const std::string ext = folder_.Write("ext\\.txt", "1\n2\n3\n");
  EXPECT_EQ(Find(""), ext);
}

TEST_F(GlyphFilesTest, ADirectoryNamedLikeAGlyphFileIsNoGlyph) {
  std::filesystem::create_directories(folder_.path() / reinterpret_cast<const char*>(u8"data/あ.txt"));
  std::filesystem::create_directories(folder_.path() / reinterpret_cast<const char*>(u8"ext/あ.txt"));
  EXPECT_EQ(Find("あ"), std::nullopt);
}

TEST_F(GlyphFilesTest, KeysWhoseTrailByteIsABackslashAreFound) {
  const std::string so = folder_.Write("data\\ソ.txt", "1\n2\n3\n");
  EXPECT_EQ(Find("ソ"), so);
}

TEST_F(GlyphFilesTest, EveryLineBreakStyleGivesTheSameRows) {
  const GlyphRows expected = {" a ", "", "c  "};
  for (const char* bytes : {" a \r\n\r\nc  \r\n", " a \n\nc  \n", " a \r\rc  \r", " a \r\n\nc  "}) {
    EXPECT_EQ(ReadGlyphRows(folder_.Write("data\\あ.txt", bytes), files_), expected);
  }
}

TEST_F(GlyphFilesTest, OnlyTheFirstThreeLinesAreRows) {
  EXPECT_EQ(ReadGlyphRows(folder_.Write("data\\あ.txt", "1\n2\n3\n4\n5\n"), files_),
            (GlyphRows{"1", "2", "3"}));
}

TEST_F(GlyphFilesTest, ANulEndsTheText) {
  EXPECT_EQ(ReadGlyphRows(folder_.Write("data\\あ.txt", std::string("1\n2\n3\0x\n", 8)), files_),
            (GlyphRows{"1", "2", "3"}));
  EXPECT_EQ(Message(folder_.Write("data\\い.txt", std::string("1\n2\0\n3\n", 7))),
            "リストのインデックスが範囲を超えています (2)");
}

TEST_F(GlyphFilesTest, AShortFileNamesItsFirstMissingRow) {
  EXPECT_EQ(Message(folder_.Write("data\\あ.txt", "")),
            "リストのインデックスが範囲を超えています (0)");
  EXPECT_EQ(Message(folder_.Write("data\\あ.txt", "1\r\n")),
            "リストのインデックスが範囲を超えています (1)");
  EXPECT_EQ(Message(folder_.Write("data\\あ.txt", "1\r\n2\r\n")),
            "リストのインデックスが範囲を超えています (2)");
}

TEST_F(GlyphFilesTest, AFileThatCannotBeReadNamesItsPath) {
  const std::string path = folder_.ProgramFolder() + "data\\あ.txt";
  std::filesystem::create_directories(NativePath(path));
  EXPECT_EQ(Message(path), "ファイル " + path + " は開けません");
}

}  // namespace
}  // namespace tarumo
