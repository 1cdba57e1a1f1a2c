#include "platform/win32/Win32DropList.h"

namespace tarumo {

unsigned Win32DropList::Count() {
  return drop_ ? ::DragQueryFileA(drop_, 0xFFFFFFFF, nullptr, 0) : 0;
}

std::string Win32DropList::Name(unsigned index) {
  char name[256] = {};
  if (drop_) ::DragQueryFileA(drop_, index, name, 255);
  return name;
}

void Win32DropList::Finish() noexcept {
  if (!drop_) return;
  ::DragFinish(drop_);
  drop_ = nullptr;
}

}  // namespace tarumo
