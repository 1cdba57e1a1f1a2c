#include "platform/posix/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "common/Error.h"
#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

using testing::TempFolder;

TEST(NativePath, TurnsProgramPathsIntoUtf8NamesWithSlashes) {
  EXPECT_EQ(NativePath("/lib/data\\あ.txt"), reinterpret_cast<const char*>(u8"/lib/data/あ.txt"));
  // The trail byte 0x5C of ソ and 十 is part of the character, not a folder separator.
  EXPECT_EQ(NativePath("data\\ソ十.txt"), reinterpret_cast<const char*>(u8"data/ソ十.txt"));
  EXPECT_EQ(NativePath("data\\.txt"), "data/.txt");
}

TEST(PosixFileSystem, AFileIsAnEntryThatIsNotADirectory) {
  TempFolder folder;
  const PosixFileSystem files;
  const std::string file = folder.Write("data\\あ.txt", "x");
  std::filesystem::create_directories(folder.path() / reinterpret_cast<const char*>(u8"data/い.txt"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / reinterpret_cast<const char*>(u8"data/あ.txt")));
  EXPECT_TRUE(files.IsFile(file));
  EXPECT_FALSE(files.IsFile(folder.ProgramFolder() + "data\\い.txt"));
  EXPECT_FALSE(files.IsFile(folder.ProgramFolder() + "data\\う.txt"));
}

TEST(PosixFileSystem, ReadsEveryByte) {
  TempFolder folder;
  std::string bytes(100000, 'a');
  bytes[5] = '\0';
  bytes.back() = '\xFF';
  EXPECT_EQ(PosixFileSystem().ReadAll(folder.Write("big.txt", bytes)), bytes);
}

TEST(PosixFileSystem, AFileThatCannotBeOpenedRaisesTheOpenErrorWithItsPath) {
  TempFolder folder;
  const std::string missing = folder.ProgramFolder() + "data\\う.txt";
  try {
    PosixFileSystem().ReadAll(missing);
    ADD_FAILURE() << "read a missing file";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), "ファイル " + missing + " は開けません");
  }
}

}  // namespace
}  // namespace tarumo
