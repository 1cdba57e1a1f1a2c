// Movable, zero-filled global memory blocks (GlobalAlloc with GHND).
#pragma once

#include "platform/MovableMemory.h"

namespace tarumo {

class Win32MovableMemory final : public MovableMemory {
 public:
  MemoryBlock Allocate(std::size_t bytes) override;
  char* Lock(MemoryBlock block) override;
  void Unlock(MemoryBlock block) noexcept override;
  void Free(MemoryBlock block) noexcept override;
};

}  // namespace tarumo
