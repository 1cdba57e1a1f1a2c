// Message boxes that record what they show and answer from a script.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace tarumo::testing {

struct ShownBox {
  std::string text;
  std::string title;
  MessageButtons buttons;
};

class FakeMessageBoxes final : public MessageBoxes {
 public:
  std::deque<MessageAnswer> answers;  // one per question, in order
  std::vector<ShownBox> shown;
  std::vector<std::string>* log = nullptr;  // "box <text>" when set

  MessageAnswer Show(const std::string& text, const std::string& title,
                     MessageButtons buttons) override {
    shown.push_back({text, title, buttons});
    if (log) log->push_back("box " + text);
    if (buttons == MessageButtons::kOk) return MessageAnswer::kOk;
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return MessageAnswer::kCancel;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace tarumo::testing
