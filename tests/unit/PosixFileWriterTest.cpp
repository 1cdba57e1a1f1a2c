#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/Error.h"
#include "platform/posix/PosixFileWriter.h"
#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

using testing::TempFolder;

std::string Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> Entries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

std::string ErrorOf(FileWriter& writer, const std::string& path, std::string_view bytes) {
  try {
    writer.WriteAll(path, bytes);
  } catch (const Error& error) {
    return error.what();
  }
  return "no error";
}

// The seam's failures: a disk that fills after a part of the bytes, a rename that is refused.
int writesBeforeFull = 0;
ssize_t WriteUntilFull(int fd, const void* data, std::size_t size) {
  if (writesBeforeFull-- > 0) return ::write(fd, data, size > 1 ? size / 2 : size);
  errno = ENOSPC;
  return -1;
}
int RefuseRename(const char*, const char*) {
  errno = EXDEV;
  return -1;
}

TEST(PosixFileWriter, CreatesAndReplacesFilesWithExactlyTheBytes) {
  TempFolder folder;
  PosixFileWriter writer;
  const std::string path = folder.ProgramFolder() + "あ.txt";
  writer.WriteAll(path, std::string("a\r\n\0b", 5));
  ::chmod(NativePath(path).c_str(), 0640);
  writer.WriteAll(path, "new");
  EXPECT_EQ(Contents(NativePath(path)), "new");
  struct stat status {};
  ::stat(NativePath(path).c_str(), &status);
  EXPECT_EQ(status.st_mode & 0777, 0640u);  // the replaced file keeps its permissions
  writer.WriteAll(path, "");
  EXPECT_EQ(std::filesystem::file_size(NativePath(path)), 0u);
  EXPECT_EQ(Entries(folder.path()).size(), 1u);
}

TEST(PosixFileWriter, ATargetThatCannotBeReplacedStaysAsItWas) {
  TempFolder folder;
  PosixFileWriter writer;
  const std::string readOnly = folder.Write("ro.txt", "old");
  ::chmod(NativePath(readOnly).c_str(), 0444);
  EXPECT_EQ(ErrorOf(writer, readOnly, "new"), "ファイル " + readOnly + " を作成できません");
  EXPECT_EQ(Contents(NativePath(readOnly)), "old");

  const std::string noFolder = folder.ProgramFolder() + "missing\\a.txt";
  EXPECT_EQ(ErrorOf(writer, noFolder, "x"), "ファイル " + noFolder + " を作成できません");

  std::filesystem::create_directory(folder.path() / "dir");
  const std::string isFolder = folder.ProgramFolder() + "dir";
  EXPECT_EQ(ErrorOf(writer, isFolder, "x"), "ファイル " + isFolder + " を作成できません");
  EXPECT_EQ(Entries(folder.path()).size(), 2u);
}

TEST(PosixFileWriter, AWriteThatFailsPartWayLeavesTheOldFile) {
  TempFolder folder;
  const std::string path = folder.Write("doc.txt", "old content");
  PosixFileCalls calls = SystemFileCalls();
  calls.write = WriteUntilFull;
  writesBeforeFull = 1;
  PosixFileWriter writer(calls);
  EXPECT_EQ(ErrorOf(writer, path, std::string(10000, 'n')), "ストリームへの書き込みエラー");
  EXPECT_EQ(Contents(NativePath(path)), "old content");
  EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"doc.txt"});
}

TEST(PosixFileWriter, ARefusedRenameLeavesTheOldFileAndNoTemporary) {
  TempFolder folder;
  const std::string path = folder.Write("doc.txt", "old");
  PosixFileCalls calls = SystemFileCalls();
  calls.rename = RefuseRename;
  PosixFileWriter writer(calls);
  EXPECT_EQ(ErrorOf(writer, path, "new"), "ファイル " + path + " を作成できません");
  EXPECT_EQ(Contents(NativePath(path)), "old");
  EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"doc.txt"});
}

}  // namespace
}  // namespace tarumo
