// Painting while the conversion fills the output editor. Painting the editor again for every
// appended line would cost more than appending it, so during a pass the editor's and the status
// bar's painting is held from the first appended line on, and both are painted at most every
// 50 ms: often enough that the user sees the editor fill and the percentage move. The panels'
// texts go into the status bar at once all the same, so whatever reads them, and every paint,
// finds those of the last line appended. The moments that mark the pass's phases ("準備中", the
// first characters without a glyph, "10%", the first line, "100%") are painted at once; the
// pass's other repaints are paced like the lines (a text full of characters without glyphs asks
// for one on every input line, each costing more than converting the line).
// Input is not held back: the pass lets messages through after every line as ever, with the
// editor and the status bar shown while they go through.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace tarumo {

class PacedPainting {
 public:
  PacedPainting(HWND memoOut, HWND statusBar) : memoOut_(memoOut), statusBar_(statusBar) {}

  // Pacing holds from Begin to End: the span of one conversion pass. End paints.
  void Begin();
  void End();

  // Sets the text of a status panel; inside a pass it is painted with the next paint.
  void SetPanelText(int panel, const std::string& text);
  // A line is about to go into the output editor: from now on in this pass the editor and the
  // status bar do not paint by themselves. The first line of a pass is painted at once.
  void LineComing();
  // The pass's own repaint: at once when the first panel shows a text that was not painted
  // yet, or the second panel its first text of the pass; otherwise when due, as below.
  bool PaintPanelChanges();
  // Paints when the last paint is 50 ms ago or more, or a first line waits to be painted;
  // outside a pass, always. Tells whether it painted.
  bool PaintWhenDue();
  // Paints what is pending now: the panels and the output editor with its scroll bars.
  void PaintNow();

  // Whether the editor's and the status bar's painting is held. A held control is not seen by
  // the system: a click falls through it and Tab passes it by, so both are shown while messages
  // are let through.
  bool Held() const { return held_; }
  void Show();
  void Hold();
  // The output editor is a fresh control from now on, painting as any control does.
  void EditorReplaced(HWND memoOut);

 private:
  HWND memoOut_;
  HWND statusBar_;
  bool pacing_ = false;
  bool held_ = false;
  bool lineCame_ = false;         // in this pass
  bool firstLineComing_ = false;  // the pass's first line is not painted yet
  // The texts set into the status bar in this pass, and those of its last paint; none before.
  std::array<std::optional<std::string>, 2> panels_;
  std::array<std::optional<std::string>, 2> painted_;
  std::optional<ULONGLONG> lastPaint_;  // GetTickCount64
};

// The editor and the status bar shown for the span of a scope, when their painting is held.
class ShownControls {
 public:
  explicit ShownControls(PacedPainting& painting) : painting_(painting), wasHeld_(painting.Held()) {
    painting_.Show();
  }
  ~ShownControls() {
    if (wasHeld_) painting_.Hold();
  }
  ShownControls(const ShownControls&) = delete;
  ShownControls& operator=(const ShownControls&) = delete;

 private:
  PacedPainting& painting_;
  bool wasHeld_;
};

}  // namespace tarumo
