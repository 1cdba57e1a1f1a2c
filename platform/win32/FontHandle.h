// Owner of a GDI font.
#pragma once

#include <windows.h>

namespace tarumo {

class FontHandle {
 public:
  explicit FontHandle(HFONT font = nullptr) noexcept : font_(font) {}
  ~FontHandle() {
    if (font_) ::DeleteObject(font_);
  }
  FontHandle(FontHandle&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
  FontHandle& operator=(FontHandle&& other) noexcept {
    if (this != &other) {
      if (font_) ::DeleteObject(font_);
      font_ = other.font_;
      other.font_ = nullptr;
    }
    return *this;
  }
  FontHandle(const FontHandle&) = delete;
  FontHandle& operator=(const FontHandle&) = delete;

  explicit operator bool() const noexcept { return font_ != nullptr; }
  HFONT get() const noexcept { return font_; }

 private:
  HFONT font_;
};

}  // namespace tarumo
