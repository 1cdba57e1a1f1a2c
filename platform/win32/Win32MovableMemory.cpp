#include "platform/win32/Win32MovableMemory.h"

#include <windows.h>

namespace tarumo {

MemoryBlock Win32MovableMemory::Allocate(std::size_t bytes) {
  return ::GlobalAlloc(GHND, bytes);
}

char* Win32MovableMemory::Lock(MemoryBlock block) {
  return static_cast<char*>(::GlobalLock(static_cast<HGLOBAL>(block)));
}

void Win32MovableMemory::Unlock(MemoryBlock block) noexcept {
  ::GlobalUnlock(static_cast<HGLOBAL>(block));
}

void Win32MovableMemory::Free(MemoryBlock block) noexcept {
  ::GlobalFree(static_cast<HGLOBAL>(block));
}

}  // namespace tarumo
