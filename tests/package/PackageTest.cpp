// The release package: what the archive holds, and the program unzipped from it converting a
// typed line with the glyph library that ships beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/package/PackagePaths.h"
#include "tests/package/ZipListing.h"
#include "tests/ui/DesktopInput.h"
#include "tests/ui/MessageBoxes.h"
#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/Waiting.h"

namespace tarumo::package {
namespace {

using enum CommandId;

const char* const kGlyphFolders[] = {"ext", "low", "up", "data"};

// A name from the archive (UTF-8) in code page 932, as the program and this test name files;
// nothing when it is not valid UTF-8.
std::optional<std::string> Cp932FromUtf8(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                           static_cast<int>(utf8.size()), wide.data(),
                                           static_cast<int>(wide.size()));
  if (length == 0 && !utf8.empty()) return std::nullopt;
  std::string cp932(utf8.size() * 2, '\0');
  cp932.resize(::WideCharToMultiByte(932, 0, wide.data(), length, cp932.data(),
                                     static_cast<int>(cp932.size()), nullptr, nullptr));
  return cp932;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((folder + "*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
  return names;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  ::CloseHandle(file);
  return bytes;
}

TEST(ReleasePackage, HoldsTheProgramItsFilesAndTheGlyphLibraryUnderOneFolder) {
  const auto listing = ReadZipListing(kZip);
  ASSERT_TRUE(listing) << "cannot read " << kZip;
  const std::string top = std::string(kTopFolder) + "/";

  std::set<std::string> files;
  std::set<std::string> folders;
  for (const ZipEntry& entry : *listing) {
    EXPECT_EQ(entry.name.compare(0, top.size(), top), 0) << entry.name << " lies outside " << top;
    const bool ascii = std::all_of(entry.name.begin(), entry.name.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    // Unmarked, a Japanese Windows would read the names in its own code page and garble them.
    EXPECT_TRUE(ascii || entry.nameIsUtf8()) << entry.name << " is not marked as UTF-8";
    const auto name = Cp932FromUtf8(entry.name);
    ASSERT_TRUE(name) << entry.name << " is not UTF-8";
    (name->back() == '/' ? folders : files).insert(*name);
  }

  std::set<std::string> expected = {top + "tarumo2.exe", top + "readme.txt", top + "Date.dat"};
  for (const char* folder : kGlyphFolders) {
    for (const std::string& name : FilesIn(std::string(kSourceGlyphs) + folder + "\\")) {
      if (name != ".gitkeep") expected.insert(top + folder + "/" + name);
    }
    // Empty folders too: ext holds nothing yet, but the library is all four folders.
    EXPECT_TRUE(folders.count(top + folder + "/")) << "no folder " << folder;
  }
  EXPECT_GT(expected.size(), 300u) << "the glyph library in the sources was not found";
  EXPECT_EQ(files, expected);
}

TEST(ReleasePackage, UnzippedProgramConvertsWithTheGlyphsBesideIt) {
  ui::ProgramUnderTest program(kUnzippedProgramFolder);
  ASSERT_NO_FATAL_FAILURE(program.Start());

  // Kana, a space and ASCII from each class folder: each key's file in ext, or else in its
  // folder.
  const std::string typed = "タルモ Ab1!";
  const std::vector<std::pair<const char*, const char*>> glyphs = {
      {"data", "タ"}, {"data", "ル"}, {"data", "モ"}, {"data", "　"},
      {"up", "Ａ"},   {"low", "ｂ"},  {"data", "１"}, {"data", "！"}};
  std::string rows[3];
  for (const auto& [folder, key] : glyphs) {
    std::string path = program.folder() + "ext\\" + key + ".txt";
    if (!FileExists(path)) path = program.folder() + folder + "\\" + key + ".txt";
    const std::string picture = ReadBytes(path);
    std::size_t at = 0;
    for (std::string& row : rows) {
      const std::size_t end = picture.find("\r\n", at);
      ASSERT_NE(end, std::string::npos) << path << " has fewer than three lines";
      row += picture.substr(at, end - at);
      at = end + 2;
    }
  }

  ui::TypeText(typed);
  ASSERT_TRUE(ui::WaitUntil([&] { return program.Text(kMemoIn) == typed; }))
      << "MemoIn: " << program.Text(kMemoIn);
  ui::PressKey(VK_F5);
  ASSERT_TRUE(ui::WaitUntil([&] { return program.StatusPanel(0) == "100%"; }))
      << "progress: " << program.StatusPanel(0);
  EXPECT_EQ(program.Text(kMemoOut), rows[0] + "\r\n" + rows[1] + "\r\n" + rows[2] + "\r\n\r\n");
  EXPECT_EQ(program.StatusPanel(1), "");
  EXPECT_FALSE(ui::ShowsMessageBox(program.processId()));
  EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
}  // namespace tarumo::package
