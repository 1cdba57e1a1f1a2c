// Owner of the drop handle that WM_DROPFILES carries, released with DragFinish.
#pragma once

// <windows.h> comes first: the other system headers build on it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace tarumo {

class DropHandle {
 public:
  explicit DropHandle(HDROP drop) noexcept : drop_(drop) {}
  ~DropHandle() {
    if (drop_) ::DragFinish(drop_);
  }
  DropHandle(const DropHandle&) = delete;
  DropHandle& operator=(const DropHandle&) = delete;

  explicit operator bool() const noexcept { return drop_ != nullptr; }
  HDROP get() const noexcept { return drop_; }

 private:
  HDROP drop_;
};

}  // namespace tarumo
