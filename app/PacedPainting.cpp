#include "app/PacedPainting.h"

#include <commctrl.h>

namespace tarumo {
namespace {

constexpr ULONGLONG kPaintInterval = 50;  // milliseconds

void ShowPanelText(HWND statusBar, int panel, const std::string& text) {
  ::SendMessageA(statusBar, SB_SETTEXTA, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

void PacedPainting::Begin() {
  pacing_ = true;
  // The first paint of the pass is due at once: "preparing" shows before a long first phase.
  lastPaint_.reset();
}

void PacedPainting::End() {
  pacing_ = false;
  ShowEditor();
  PaintNow();
}

void PacedPainting::SetPanelText(int panel, const std::string& text) {
  if (pacing_) {
    pendingPanels_.at(panel) = text;
  } else {
    ShowPanelText(statusBar_, panel, text);
  }
}

void PacedPainting::LineComing() {
  HoldEditor();
}

void PacedPainting::ShowEditor() {
  if (!held_) return;
  ::SendMessageA(memoOut_, WM_SETREDRAW, TRUE, 0);
  held_ = false;
}

void PacedPainting::HoldEditor() {
  if (held_ || !pacing_) return;
  ::SendMessageA(memoOut_, WM_SETREDRAW, FALSE, 0);
  held_ = true;
}

bool PacedPainting::PaintWhenDue() {
  if (pacing_ && lastPaint_ && ::GetTickCount64() - *lastPaint_ < kPaintInterval) return false;
  PaintNow();
  return true;
}

void PacedPainting::PaintNow() {
  for (int panel = 0; panel < static_cast<int>(pendingPanels_.size()); ++panel) {
    if (!pendingPanels_[panel]) continue;
    ShowPanelText(statusBar_, panel, *pendingPanels_[panel]);
    pendingPanels_[panel].reset();
  }
  // The appended lines went in unpainted: the editor shows its end, scroll bars included.
  {
    ShownEditor shown(*this);
    ::SendMessageA(memoOut_, EM_SCROLLCARET, 0, 0);
    ::RedrawWindow(memoOut_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  }
  ::UpdateWindow(statusBar_);
  lastPaint_ = ::GetTickCount64();
}

}  // namespace tarumo
