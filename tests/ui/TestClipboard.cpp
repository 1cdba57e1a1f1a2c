#include "tests/ui/TestClipboard.h"

#include <cstring>

namespace tarumo::ui {
namespace {

// The clipboard needs a window of this process as the owner of what it puts there.
HWND OwnerWindow() {
  static HWND owner =
      ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  return owner;
}

}  // namespace

void PutOnClipboard(const std::string& text) {
  if (!::OpenClipboard(OwnerWindow())) return;
  ::EmptyClipboard();
  if (HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    char* bytes = static_cast<char*>(::GlobalLock(block));
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    ::GlobalUnlock(block);
    if (!::SetClipboardData(CF_TEXT, block)) ::GlobalFree(block);
  }
  ::CloseClipboard();
}

std::optional<std::string> ClipboardText() {
  if (!::OpenClipboard(OwnerWindow())) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) {
      text = bytes;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

ClipboardLock::ClipboardLock() : open_(::OpenClipboard(OwnerWindow()) != FALSE) {}

ClipboardLock::~ClipboardLock() {
  if (open_) ::CloseClipboard();
}

}  // namespace tarumo::ui
