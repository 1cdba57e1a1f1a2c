// The conversion pass outside the window: lines from a list, giant text to a stream.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "conversion/ConversionHost.h"

namespace tarumo::cli {

class StreamHost final : public ConversionHost {
 public:
  using LineSink = std::function<void(const std::string&)>;

  // Every appended line goes to `sink` as the window's output editor would show it.
  StreamHost(std::vector<std::string> input, std::string blankLine, LineSink sink);

  void ClearOutput() override {}
  // Progress and the growing missing-glyph list are for a person watching a window.
  void SetStatusPanel(StatusPanel, const std::string&) override {}
  int InputLineCount() override { return static_cast<int>(input_.size()); }
  // Nobody to ask: a long input is converted.
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
  void Repaint() override {}
  std::string InputLine(int index) override { return input_.at(index); }
  std::string BlankLineText() override { return blankLine_; }
  void AppendOutputLine(const std::string& line) override;
  void ProcessMessages() override {}

 private:
  std::vector<std::string> input_;
  std::string blankLine_;
  LineSink sink_;
};

}  // namespace tarumo::cli
