// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/posix/PosixFileSystem.h"

namespace tarumo::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarumo-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The folder as the program names it: code page 932 bytes ending in a backslash.
  std::string ProgramFolder() const { return path_.string() + "\\"; }

  // Writes `bytes` to the program path `relative` ("data\\あ.txt"), creating its folders.
  std::string Write(std::string_view relative, std::string_view bytes) const {
    const std::string programPath = ProgramFolder() + std::string(relative);
    const std::filesystem::path native = NativePath(programPath);
    std::filesystem::create_directories(native.parent_path());
    std::ofstream(native, std::ios::binary).write(bytes.data(), bytes.size());
    return programPath;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace tarumo::testing
