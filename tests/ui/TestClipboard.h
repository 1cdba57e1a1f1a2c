// The clipboard as the test process sees it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tarumo::ui {

// Puts `text` (code page 932 bytes) on the clipboard as CF_TEXT.
void PutOnClipboard(const std::string& text);

// The CF_TEXT content of the clipboard; nothing when it holds no text.
std::optional<std::string> ClipboardText();

// Holds the clipboard open for as long as it lives, so that nobody else can open it.
class ClipboardLock {
 public:
  ClipboardLock();
  ~ClipboardLock();
  ClipboardLock(const ClipboardLock&) = delete;
  ClipboardLock& operator=(const ClipboardLock&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace tarumo::ui
