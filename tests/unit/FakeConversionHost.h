// A conversion host that records what the pass asks of the window, in order.
#pragma once

#include <string>
#include <vector>

#include "conversion/ConversionHost.h"

namespace tarumo::testing {

class FakeConversionHost final : public ConversionHost {
 public:
  std::vector<std::string> input;
  std::string blankLine = "1";
  std::vector<std::string> blankLineReadings;  // when set, one per reading, before blankLine
  bool answerYes = true;

  std::vector<std::string> output;
  std::string panels[2];
  std::vector<std::string> events;  // "clear", "panel0 <text>", "ask", "repaint", "append <line>", ...
  std::string askedText, askedCaption;

  void ClearOutput() override {
    output.clear();
    events.push_back("clear");
  }
  void SetStatusPanel(StatusPanel panel, const std::string& text) override {
    panels[static_cast<int>(panel)] = text;
    events.push_back("panel" + std::to_string(static_cast<int>(panel)) + " " + text);
  }
  int InputLineCount() override { return static_cast<int>(input.size()); }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    askedText = text;
    askedCaption = caption;
    events.push_back("ask");
    return answerYes;
  }
  void Repaint() override { events.push_back("repaint"); }
  std::string InputLine(int index) override { return input.at(index); }
  std::string BlankLineText() override {
    if (blankLineReadings.empty()) return blankLine;
    std::string text = blankLineReadings.front();
    blankLineReadings.erase(blankLineReadings.begin());
    return text;
  }
  void AppendOutputLine(const std::string& line) override {
    output.push_back(line);
    events.push_back("append " + line);
  }
  void ProcessMessages() override { events.push_back("process"); }
};

}  // namespace tarumo::testing
