#include "app/PacedPainting.h"

#include <commctrl.h>

namespace tarumo {
namespace {

constexpr ULONGLONG kPaintInterval = 50;  // milliseconds

void SetRedraw(HWND control, bool redraw) {
  ::SendMessageA(control, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
}

}  // namespace

void PacedPainting::Begin() {
  pacing_ = true;
  lineCame_ = false;
  firstLineComing_ = false;
  panels_ = {};
  painted_ = {};
  // The first paint of the pass is due at once: "preparing" shows before a long first phase.
  lastPaint_.reset();
}

void PacedPainting::End() {
  pacing_ = false;
  Show();
  PaintNow();
  panels_ = {};
}

void PacedPainting::SetPanelText(int panel, const std::string& text) {
  // A panel's text costs the status bar a paint each time it is set, unless its painting is
  // held; the percentage of a long pass stays the same for many lines.
  if (panels_.at(panel) == text) return;
  ::SendMessageA(statusBar_, SB_SETTEXTA, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
  if (pacing_) panels_[panel] = text;
}

void PacedPainting::LineComing() {
  if (!pacing_) return;
  if (!lineCame_) lineCame_ = firstLineComing_ = true;
  Hold();
}

void PacedPainting::Show() {
  if (!held_) return;
  SetRedraw(memoOut_, true);
  SetRedraw(statusBar_, true);
  held_ = false;
}

void PacedPainting::Hold() {
  if (held_ || !pacing_) return;
  SetRedraw(memoOut_, false);
  SetRedraw(statusBar_, false);
  held_ = true;
}

void PacedPainting::EditorReplaced(HWND memoOut) {
  // The status bar keeps its state; the fresh editor paints until it is held anew.
  if (held_) SetRedraw(statusBar_, true);
  memoOut_ = memoOut;
  held_ = false;
}

bool PacedPainting::PaintPanelChanges() {
  const bool progressChanged = !painted_[0] || panels_[0] != painted_[0];
  const bool firstMissing =
      !painted_[1] || (painted_[1]->empty() && panels_[1] && !panels_[1]->empty());
  if (!progressChanged && !firstMissing) return PaintWhenDue();
  PaintNow();
  return true;
}

bool PacedPainting::PaintWhenDue() {
  if (pacing_ && !firstLineComing_ && lastPaint_ &&
      ::GetTickCount64() - *lastPaint_ < kPaintInterval) {
    return false;
  }
  PaintNow();
  return true;
}

void PacedPainting::PaintNow() {
  {
    // The appended lines went in unpainted: the editor shows its end, scroll bars included.
    ShownControls shown(*this);
    ::SendMessageA(memoOut_, EM_SCROLLCARET, 0, 0);
    ::RedrawWindow(memoOut_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    ::RedrawWindow(statusBar_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  painted_ = panels_;
  firstLineComing_ = false;
  lastPaint_ = ::GetTickCount64();
}

}  // namespace tarumo
