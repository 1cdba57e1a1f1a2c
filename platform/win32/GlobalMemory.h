// Owners of global memory blocks, released on every way out.
#pragma once

#include <windows.h>

namespace tarumo {

// A block from GlobalAlloc, freed by the destructor unless handed on with Release().
class GlobalBlock {
 public:
  GlobalBlock(UINT flags, SIZE_T bytes) noexcept : handle_(::GlobalAlloc(flags, bytes)) {}
  ~GlobalBlock() {
    if (handle_) ::GlobalFree(handle_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  explicit operator bool() const noexcept { return handle_ != nullptr; }
  HGLOBAL get() const noexcept { return handle_; }
  // Gives up ownership, for a block that now belongs to the clipboard.
  HGLOBAL Release() noexcept {
    HGLOBAL handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  HGLOBAL handle_;
};

// A lock on a global block, unlocked by the destructor.
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL block) noexcept : block_(block), data_(::GlobalLock(block)) {}
  ~GlobalLockGuard() {
    if (data_) ::GlobalUnlock(block_);
  }
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

  explicit operator bool() const noexcept { return data_ != nullptr; }
  char* data() const noexcept { return static_cast<char*>(data_); }

 private:
  HGLOBAL block_;
  void* data_;
};

}  // namespace tarumo
