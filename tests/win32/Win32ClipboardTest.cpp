// Copying a text to the clipboard as CF_TEXT.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/Error.h"
#include "platform/win32/Win32Clipboard.h"

namespace tarumo {
namespace {

// A hidden window of this process to own the clipboard.
class OwnerWindow {
 public:
  OwnerWindow()
      : window_(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                  nullptr)) {}
  ~OwnerWindow() { ::DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

struct ClipboardContent {
  std::string text;      // up to the first zero byte
  SIZE_T blockSize = 0;  // the size of the global block
  bool zeroAfterText = false;
};

ClipboardContent ReadClipboard() {
  ClipboardContent content;
  if (!::OpenClipboard(nullptr)) return content;
  if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
    content.blockSize = ::GlobalSize(data);
    if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) {
      content.text = bytes;
      content.zeroAfterText = content.text.size() < content.blockSize;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return content;
}

TEST(Win32Clipboard, PutsTheTextsBytesAndAZeroByteOnTheClipboard) {
  const OwnerWindow owner;
  const std::string text = "　■■　■\r\n■　■\r\n\r\n";
  CopyTextToClipboard(owner.get(), text);
  const ClipboardContent content = ReadClipboard();
  EXPECT_EQ(content.text, text);
  EXPECT_TRUE(content.zeroAfterText);
  EXPECT_GE(content.blockSize, text.size() + 1);
}

TEST(Win32Clipboard, AnEmptyTextReplacesWhatTheClipboardHeld) {
  const OwnerWindow owner;
  CopyTextToClipboard(owner.get(), "before");
  CopyTextToClipboard(owner.get(), "");
  EXPECT_EQ(ReadClipboard().text, "");
}

// Holds the clipboard open from another thread until released.
class ClipboardHolder {
 public:
  ClipboardHolder()
      : opened_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        release_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        thread_(::CreateThread(nullptr, 0, &Hold, this, 0, nullptr)) {
    ::WaitForSingleObject(opened_, 10000);
  }
  ~ClipboardHolder() {
    ::SetEvent(release_);
    ::WaitForSingleObject(thread_, 10000);
    for (HANDLE handle : {thread_, release_, opened_}) ::CloseHandle(handle);
  }
  bool holds() const { return holds_; }

 private:
  static DWORD WINAPI Hold(void* self) {
    auto* holder = static_cast<ClipboardHolder*>(self);
    holder->holds_ = ::OpenClipboard(nullptr) != FALSE;
    ::SetEvent(holder->opened_);
    ::WaitForSingleObject(holder->release_, 10000);
    if (holder->holds_) ::CloseClipboard();
    return 0;
  }

  HANDLE opened_;
  HANDLE release_;
  bool holds_ = false;
  HANDLE thread_;
};

TEST(Win32Clipboard, FailsAndLeavesTheClipboardAloneWhenAnotherHoldsIt) {
  const OwnerWindow owner;
  CopyTextToClipboard(owner.get(), "kept");
  std::string failure;
  {
    const ClipboardHolder holder;
    ASSERT_TRUE(holder.holds());
    try {
      CopyTextToClipboard(owner.get(), "new");
    } catch (const Error& error) {
      failure = error.what();
    }
  }
  EXPECT_EQ(failure, "クリップボードを開くことができません");
  EXPECT_EQ(ReadClipboard().text, "kept");
}

}  // namespace
}  // namespace tarumo
