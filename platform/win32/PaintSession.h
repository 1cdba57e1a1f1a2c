// BeginPaint and EndPaint around the painting of one WM_PAINT, and a GDI object selected
// into a device context for a while.
#pragma once

#include <windows.h>

namespace tarumo {

class PaintSession {
 public:
  explicit PaintSession(HWND window) noexcept
      : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  ~PaintSession() { ::EndPaint(window_, &paint_); }
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;

  explicit operator bool() const noexcept { return dc_ != nullptr; }
  HDC dc() const noexcept { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects `object` into `dc` and puts the previous object back on the way out.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept
      : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace tarumo
