// Owner of a DLL loaded with LoadLibraryA.
#pragma once

#include <windows.h>

namespace tarumo {

class LibraryModule {
 public:
  explicit LibraryModule(const char* name) noexcept : module_(::LoadLibraryA(name)) {}
  ~LibraryModule() {
    if (module_) ::FreeLibrary(module_);
  }
  LibraryModule(const LibraryModule&) = delete;
  LibraryModule& operator=(const LibraryModule&) = delete;

  explicit operator bool() const noexcept { return module_ != nullptr; }
  HMODULE get() const noexcept { return module_; }

 private:
  HMODULE module_;
};

}  // namespace tarumo
