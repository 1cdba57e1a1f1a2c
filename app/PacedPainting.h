// Painting while the conversion fills the output editor. Painting the editor again for every
// appended line would cost more than appending it, so during a pass the editor's painting is
// held from the first appended line on, and the editor and the progress panel are painted at
// most every 50 ms: often enough that the user sees the editor fill and the percentage move.
// The pass's own repaints are paced alike: a text full of characters without glyphs asks for
// one on every input line, each costing more than converting the line.
// Input is not held back: the pass lets messages through after every line as ever, with the
// editor shown while they go through.
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
  // A line is about to go into the output editor: from now on in this pass the editor does
  // not paint by itself.
  void LineComing();
  // Paints when the last paint is 50 ms ago or more, or when none was made in this pass yet;
  // outside a pass, always. Tells whether it painted.
  bool PaintWhenDue();
  // Paints what is pending now: the panels' texts and the output editor with its scroll bars.
  void PaintNow();

  // Whether the editor's painting is held. A held editor is not seen by the system: a click
  // falls through it and Tab passes it by, so it is shown while messages are let through.
  bool EditorHeld() const { return held_; }
  void ShowEditor();
  void HoldEditor();

 private:
  HWND memoOut_;
  HWND statusBar_;
  bool pacing_ = false;
  bool held_ = false;
  std::array<std::optional<std::string>, 2> pendingPanels_;
  std::optional<ULONGLONG> lastPaint_;  // GetTickCount64
};

// The output editor shown for the span of a scope, when its painting is held.
class ShownEditor {
 public:
  explicit ShownEditor(PacedPainting& painting) : painting_(painting) { painting_.ShowEditor(); }
  ~ShownEditor() { painting_.HoldEditor(); }
  ShownEditor(const ShownEditor&) = delete;
  ShownEditor& operator=(const ShownEditor&) = delete;

 private:
  PacedPainting& painting_;
};

}  // namespace tarumo
