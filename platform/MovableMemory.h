// Zero-filled movable memory blocks of the system, reached through a lock.
#pragma once

#include <cstddef>

namespace tarumo {

using MemoryBlock = void*;

class MovableMemory {
 public:
  virtual ~MovableMemory() = default;

  // A zero-filled block of `bytes`, or null.
  virtual MemoryBlock Allocate(std::size_t bytes) = 0;
  // The block's bytes, or null; each successful lock is undone by one Unlock.
  virtual char* Lock(MemoryBlock block) = 0;
  virtual void Unlock(MemoryBlock block) noexcept = 0;
  virtual void Free(MemoryBlock block) noexcept = 0;
};

}  // namespace tarumo
