// The application title and the standard error box, in which every failure that a command
// does not catch ends up.
#pragma once

#include <windows.h>

#include <string_view>
#include <utility>

namespace tarumo {

// The title of the program: the caption of the standard error box.
inline constexpr const char* kApplicationTitle = "タルモPART2";

// The modal error box: the application title, the error icon, one OK button and `message`
// with the "." rule of StandardErrorText.
void ShowStandardErrorBox(HWND owner, std::string_view message);

// Shows whatever `action` raises in the standard error box: an exception's message, or the
// empty text for a failure that carries none. Returns whether `action` ran to its end.
template <typename Action>
bool RunShowingFailures(HWND owner, Action&& action) {
  try {
    std::forward<Action>(action)();
    return true;
  } catch (const std::exception& failure) {
    ShowStandardErrorBox(owner, failure.what());
  } catch (...) {
    ShowStandardErrorBox(owner, {});
  }
  return false;
}

}  // namespace tarumo
