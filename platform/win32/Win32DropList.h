// The files of one WM_DROPFILES message. Owns the drop handle: DragFinish runs once, at the
// latest when the list goes out of scope.
#pragma once

#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

#include "platform/DropList.h"

namespace tarumo {

class Win32DropList final : public DropList {
 public:
  explicit Win32DropList(HDROP drop) noexcept : drop_(drop) {}
  ~Win32DropList() override { Finish(); }
  Win32DropList(const Win32DropList&) = delete;
  Win32DropList& operator=(const Win32DropList&) = delete;

  unsigned Count() override;
  std::string Name(unsigned index) override;
  void Finish() noexcept override;

 private:
  HDROP drop_;
};

}  // namespace tarumo
