// Message boxes of Windows, owned by the application's window.
#pragma once

#include <windows.h>

#include "platform/MessageBoxes.h"

namespace tarumo {

class Win32MessageBoxes final : public MessageBoxes {
 public:
  explicit Win32MessageBoxes(HWND owner = nullptr) noexcept : owner_(owner) {}

  // The window that owns the boxes from now on.
  void SetOwner(HWND owner) noexcept { owner_ = owner; }

  MessageAnswer Show(const std::string& text, const std::string& title,
                     MessageButtons buttons) override;

 private:
  HWND owner_;
};

}  // namespace tarumo
