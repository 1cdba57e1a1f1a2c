// Modal message boxes of the application: a text, a title, a set of buttons and no icon.
#pragma once

#include <string>

namespace tarumo {

// The first button of each set is the default.
enum class MessageButtons { kOk, kYesNo, kYesNoCancel };

// Closing a box counts as kCancel.
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  virtual MessageAnswer Show(const std::string& text, const std::string& title,
                             MessageButtons buttons) = 0;
};

}  // namespace tarumo
