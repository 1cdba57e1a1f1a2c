// What the conversion pass needs of the window that hosts it, in the order of first use.
#pragma once

#include <string>

namespace tarumo {

enum class StatusPanel { kProgress = 0, kMissingGlyphs = 1 };

class ConversionHost {
 public:
  virtual ~ConversionHost() = default;

  virtual void ClearOutput() = 0;
  virtual void SetStatusPanel(StatusPanel panel, const std::string& text) = 0;
  virtual int InputLineCount() = 0;
  // A modal Yes/No question; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
  // Paints what is pending at once, without taking user input.
  virtual void Repaint() = 0;
  virtual std::string InputLine(int index) = 0;
  virtual std::string BlankLineText() = 0;
  // Appends `line` to the output editor as its new last line.
  virtual void AppendOutputLine(const std::string& line) = 0;
  // Lets the window handle every pending message, user input included.
  virtual void ProcessMessages() = 0;
};

}  // namespace tarumo
