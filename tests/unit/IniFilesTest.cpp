#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/Error.h"
#include "platform/posix/IniText.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixIniFiles.h"
#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

using testing::TempFolder;

TEST(FindIniValue, MatchesNamesWithoutCaseAndTrimsValues) {
  const std::string text =
      "top=0\r\n; AutoUpdate=9\r\n[other]\r\nAutoUpdate=7\r\n [ config ] \r\n"
      "  autoupdate  =  1 \r\nquoted=\"a b\"\r\nsingle='x'\r\nkept=\"a\r\nurl=a=b\r\n"
      "[CONFIG]\r\nlater=1\r\n";
  EXPECT_EQ(FindIniValue(text, "CONFIG", "AutoUpdate"), "1");
  EXPECT_EQ(FindIniValue(text, "CONFIG", "quoted"), "a b");
  EXPECT_EQ(FindIniValue(text, "CONFIG", "single"), "x");
  EXPECT_EQ(FindIniValue(text, "CONFIG", "kept"), "\"a");
  EXPECT_EQ(FindIniValue(text, "CONFIG", "url"), "a=b");
  EXPECT_EQ(FindIniValue(text, "CONFIG", "later"), std::nullopt);  // only the first section
  EXPECT_EQ(FindIniValue(text, "CONFIG", "top"), std::nullopt);
  EXPECT_EQ(FindIniValue(text, "none", "AutoUpdate"), std::nullopt);
  EXPECT_EQ(FindIniValue("[A]\nk=v", "a", "K"), "v");
}

TEST(WithIniValue, RewritesTheKeysLineAndNothingElse) {
  EXPECT_EQ(WithIniValue("[A]\nx=1\n[CONFIG]\n autoupdate = 0\nz=2\n", "config", "AutoUpdate", "1"),
            "[A]\nx=1\n[CONFIG]\nautoupdate=1\nz=2\n");
}

TEST(WithIniValue, AddsAKeyAfterTheSectionsLastEntry) {
  EXPECT_EQ(WithIniValue("[CONFIG]\r\nz=2\r\n\r\n[B]\r\n", "CONFIG", "AutoUpdate", "0"),
            "[CONFIG]\r\nz=2\r\nAutoUpdate=0\r\n\r\n[B]\r\n");
  EXPECT_EQ(WithIniValue("[CONFIG]", "CONFIG", "k", "v"), "[CONFIG]\r\nk=v\r\n");
}

TEST(WithIniValue, AddsAMissingSectionAtTheEnd) {
  EXPECT_EQ(WithIniValue("", "CONFIG", "AutoUpdate", "1"), "[CONFIG]\r\nAutoUpdate=1\r\n");
  EXPECT_EQ(WithIniValue("[A]\r\nx=1", "CONFIG", "AutoUpdate", "1"),
            "[A]\r\nx=1\r\n[CONFIG]\r\nAutoUpdate=1\r\n");
}

TEST(PosixIniFiles, WritesCreateAndPreserveAndReadsFallBack) {
  TempFolder folder;
  PosixIniFiles ini;
  const std::string path = folder.ProgramFolder() + "config.ini";
  EXPECT_EQ(ini.ReadString(path, "CONFIG", "AutoUpdate", "fallback"), "fallback");
  ini.WriteString(path, "CONFIG", "AutoUpdate", "1");
  folder.Write("config.ini", PosixFileSystem().ReadAll(path) + "[Other]\r\nkey=value\r\n");
  ini.WriteString(path, "CONFIG", "AutoUpdate", "0");
  EXPECT_EQ(PosixFileSystem().ReadAll(path),
            "[CONFIG]\r\nAutoUpdate=0\r\n[Other]\r\nkey=value\r\n");
  EXPECT_EQ(ini.ReadString(path, "other", "KEY", ""), "value");
}

TEST(PosixIniFiles, ARefusedWriteRaisesTheWriteErrorWithTheFullPath) {
  TempFolder folder;
  const std::string path = folder.Write("config.ini", "[CONFIG]\r\nAutoUpdate=2\r\n");
  ::chmod(NativePath(path).c_str(), 0444);
  try {
    PosixIniFiles().WriteString(path, "CONFIG", "AutoUpdate", "1");
    ADD_FAILURE() << "wrote a read-only file";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), path + " に書き込めません");
  }
  EXPECT_EQ(PosixIniFiles().ReadString(path, "CONFIG", "AutoUpdate", ""), "2");
}

// What a folder without write permission answers to a new file beside config.ini.
int RefuseCreation(const char*, int, mode_t) {
  errno = EACCES;
  return -1;
}

TEST(PosixIniFiles, AFolderThatRefusesNewFilesKeepsTheOldSettings) {
  TempFolder folder;
  const std::string path = folder.Write("config.ini", "[CONFIG]\r\nAutoUpdate=2\r\n");
  PosixFileCalls calls = SystemFileCalls();
  calls.open = RefuseCreation;
  try {
    PosixIniFiles(calls).WriteString(path, "CONFIG", "AutoUpdate", "1");
    ADD_FAILURE() << "wrote into a folder that refuses new files";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), path + " に書き込めません");
  }
  EXPECT_EQ(PosixFileSystem().ReadAll(path), "[CONFIG]\r\nAutoUpdate=2\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace tarumo
