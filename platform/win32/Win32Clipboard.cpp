#include "platform/win32/Win32Clipboard.h"

#include <cstring>
#include <new>

#include "common/Error.h"
#include "platform/win32/GlobalMemory.h"
#include "platform/win32/LastError.h"

namespace tarumo {

void CopyTextToClipboard(HWND owner, std::string_view text) {
  ClipboardSession clipboard(owner);
  if (!clipboard) throw Error(messages::kCannotOpenClipboard);
  ::EmptyClipboard();

  GlobalBlock block(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
  if (!block) throw std::bad_alloc();
  {
    GlobalLockGuard bytes(block.get());
    if (!bytes) throw std::bad_alloc();
    if (!text.empty()) std::memcpy(bytes.data(), text.data(), text.size());
    bytes.data()[text.size()] = '\0';
  }
  if (!::SetClipboardData(CF_TEXT, block.get())) throw LastError();
  // The block belongs to the clipboard now.
  block.Release();
}

}  // namespace tarumo
