// Waiting for the program under test: it runs in its own process, so every effect of an input
// is looked for until it shows or a generous limit passes.
#pragma once

#include <windows.h>

namespace tarumo::ui {

inline constexpr DWORD kPatience = 15000;  // milliseconds

// Polls `condition` until it holds or `limit` milliseconds have passed; returns its last value.
template <typename Condition>
bool WaitUntil(Condition&& condition, DWORD limit = kPatience) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount() - start > limit) return condition();
    ::Sleep(20);
  }
}

}  // namespace tarumo::ui
