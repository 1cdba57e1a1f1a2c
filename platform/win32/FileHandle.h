// Owner of a file handle from CreateFileA.
#pragma once

#include <windows.h>

namespace tarumo {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) noexcept : handle_(handle) {}
  ~FileHandle() {
    if (*this) ::CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  explicit operator bool() const noexcept { return handle_ != INVALID_HANDLE_VALUE && handle_; }
  HANDLE get() const noexcept { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace tarumo
