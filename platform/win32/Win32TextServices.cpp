#include "platform/win32/Win32TextServices.h"

#include <windows.h>

#include "platform/win32/GlobalMemory.h"

namespace tarumo {

std::string Win32TextServices::FoldFullWidth(std::string_view line) const {
  if (line.empty()) return {};
  // Every byte can at most double; one more for a terminating zero.
  const int capacity = static_cast<int>(line.size() * 2 + 1);
  GlobalBlock block(GMEM_ZEROINIT, capacity);
  if (!block) return {};
  GlobalLockGuard buffer(block.get());
  if (!buffer) return {};
  const int written = ::LCMapStringA(::GetUserDefaultLCID(), LCMAP_FULLWIDTH, line.data(),
                                     static_cast<int>(line.size()), buffer.data(), capacity);
  return std::string(buffer.data(), written > 0 ? written : 0);
}

bool Win32TextServices::IsLeadByte(unsigned char byte) const {
  return ::IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace tarumo
