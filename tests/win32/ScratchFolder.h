// A fresh folder under the temporary folder for one test, removed with its content at the end.
// Names are code page 932 bytes, as the program uses them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tarumo::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    for (unsigned attempt = ::GetTickCount();; ++attempt) {
      path_ = std::string(temp) + "tarumo-" + std::to_string(::GetCurrentProcessId()) + "-" +
              std::to_string(attempt) + "\\";
      if (::CreateDirectoryA(path_.c_str(), nullptr)) break;
    }
  }
  ~ScratchFolder() { RemoveTree(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder, ending in a backslash.
  const std::string& path() const { return path_; }

  // Writes `bytes` to `relative` ("data\\ソ.txt"), making its folders; returns the full path.
  std::string Write(std::string_view relative, std::string_view bytes) const {
    const std::string full = path_ + std::string(relative);
    for (std::size_t at = path_.size(); at < full.size(); ++at) {
      if (::IsDBCSLeadByte(static_cast<BYTE>(full[at]))) {
        ++at;
      } else if (full[at] == '\\') {
        ::CreateDirectoryA(full.substr(0, at).c_str(), nullptr);
      }
    }
    HANDLE file = ::CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return full;
  }

 private:
  static void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((folder + "*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(folder + name + "\\");
        } else {
          ::DeleteFileA((folder + name).c_str());
        }
      } while (::FindNextFileA(find, &entry));
      ::FindClose(find);
    }
    ::RemoveDirectoryA(folder.c_str());
  }

  std::string path_;
};

}  // namespace tarumo::testing
