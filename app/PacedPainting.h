// Painting while the conversion fills the output editor. Painting the editor again for every
// appended line would cost more than appending it, so during a pass the editor and the
// progress panel are painted at most every 50 ms: often enough that the user sees the editor
// fill and the percentage move. Input is not held back: the pass lets messages through after
// every line as ever.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace tarumo {

class PacedPainting {
 public:
  PacedPainting(HWND memoOut, HWND statusBar) : memoOut_(memoOut), statusBar_(statusBar) {}

  // Pacing holds from Begin to End: the span of one conversion pass.
  void Begin();
  void End();

  // Sets the text of a status panel: at once outside a pass, at the next paint inside one.
  void SetPanelText(int panel, const std::string& text);
  // A line went into the output editor: paints when the last paint is 50 ms ago or more.
  void LineAppended();
  // Paints what is pending now: the panels' texts and the output editor with its scroll bars.
  void PaintNow();

 private:
  HWND memoOut_;
  HWND statusBar_;
  bool pacing_ = false;
  std::array<std::optional<std::string>, 2> pendingPanels_;
  ULONGLONG lastPaint_ = 0;  // GetTickCount64
};

}  // namespace tarumo
