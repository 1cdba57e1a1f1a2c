// The clipboard: a session while it is open, and the copy of a text to it.
#pragma once

#include <windows.h>

#include <string_view>

namespace tarumo {

// OpenClipboard on construction, CloseClipboard on the way out when it was opened.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) noexcept : open_(::OpenClipboard(owner) != FALSE) {}
  ~ClipboardSession() {
    if (open_) ::CloseClipboard();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;

  explicit operator bool() const noexcept { return open_; }

 private:
  bool open_;
};

// Replaces the clipboard's content by `text` as CF_TEXT, its bytes unchanged and followed by one
// zero byte, in a movable, shareable block. Raises Error("クリップボードを開くことができません")
// when the clipboard cannot be opened; the clipboard is then left as it was.
void CopyTextToClipboard(HWND owner, std::string_view text);

}  // namespace tarumo
