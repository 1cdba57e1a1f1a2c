// The Windows file system through the ANSI functions in code page 932.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/Error.h"
#include "conversion/GlyphFiles.h"
#include "platform/win32/Win32FileSystem.h"
#include "tests/win32/ScratchFolder.h"

namespace tarumo {
namespace {

using testing::ScratchFolder;

std::string ReadFailure(const Win32FileSystem& files, const std::string& path) {
  try {
    files.ReadAll(path);
  } catch (const Error& failure) {
    return failure.what();
  }
  return "(read)";
}

TEST(Win32FileSystem, FindsGlyphFilesWhoseKeysEndInTheBackslashByte) {
  // ソ is 0x83 0x5C, 十 0x8F 0x5C, 表 0x95 0x5C: the second byte is the backslash's.
  const ScratchFolder folder;
  const std::string so = folder.Write("data\\ソ.txt", "1\r\n2\r\n3\r\n");
  const std::string ten = folder.Write("ext\\十.txt", "a\r\nb\r\nc\r\n");
  const Win32FileSystem files;
  EXPECT_TRUE(files.IsFile(so));
  EXPECT_EQ(FindGlyphFile(folder.path(), "ソ", files), so);
  EXPECT_EQ(FindGlyphFile(folder.path(), "十", files), ten);
  EXPECT_EQ(ReadGlyphRows(so, files), (GlyphRows{"1", "2", "3"}));
  // Another key sharing the lead byte is not confused with it.
  EXPECT_EQ(FindGlyphFile(folder.path(), "ゾ", files), std::nullopt);
}

TEST(Win32FileSystem, FindsFilesInAFolderWhoseNameEndsInTheBackslashByte) {
  const ScratchFolder folder;
  const std::string path = folder.Write("表\\あ.txt", "x");
  const Win32FileSystem files;
  EXPECT_TRUE(files.IsFile(path));
  EXPECT_EQ(files.ReadAll(path), "x");
}

TEST(Win32FileSystem, AFolderOrAMissingEntryIsNoFile) {
  const ScratchFolder folder;
  folder.Write("data\\ソ.txt\\inner.txt", "x");  // data\ソ.txt is a folder here
  const Win32FileSystem files;
  EXPECT_FALSE(files.IsFile(folder.path() + "data\\ソ.txt"));
  EXPECT_FALSE(files.IsFile(folder.path() + "data\\ゾ.txt"));
}

TEST(Win32FileSystem, ReadsEveryByteOfAFile) {
  const ScratchFolder folder;
  const std::string bytes("\x82\xa0\r\n\0\x81\x40\r\x0a\x1a", 10);
  const std::string path = folder.Write("a.txt", bytes);
  EXPECT_EQ(Win32FileSystem().ReadAll(path), bytes);
  EXPECT_EQ(Win32FileSystem().ReadAll(folder.Write("empty.txt", "")), "");
}

TEST(Win32FileSystem, AFileHeldOpenForWritingCannotBeRead) {
  const ScratchFolder folder;
  const std::string path = folder.Write("data\\い.txt", "1\r\n2\r\n3\r\n");
  const Win32FileSystem files;
  {
    HANDLE writer = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadFailure(files, path), "ファイル " + path + " は開けません");
    ::CloseHandle(writer);
  }
  // Another reader does not stand in the way.
  HANDLE reader = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files.ReadAll(path), "1\r\n2\r\n3\r\n");
  ::CloseHandle(reader);
}

TEST(Win32FileSystem, AMissingFileCannotBeRead) {
  const ScratchFolder folder;
  const std::string path = folder.path() + "data\\ソ.txt";
  EXPECT_EQ(ReadFailure(Win32FileSystem(), path), "ファイル " + path + " は開けません");
}

}  // namespace
}  // namespace tarumo
