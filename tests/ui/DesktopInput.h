// Keystrokes and mouse clicks through the system's input queue, as a user makes them: they go
// to the foreground window and its focused control, shortcuts and all.
#pragma once

#include <windows.h>

#include <string_view>

namespace tarumo::ui {

// Presses and releases `key` with the modifier keys held (VK_CONTROL, VK_SHIFT, VK_MENU).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// Types `text` (code page 932 bytes) character by character.
void TypeText(std::string_view text);

// Moves the mouse to `point` in `window`'s client coordinates.
void MoveMouse(HWND window, POINT point);

// Clicks with the left (or right) mouse button at `point` in `window`'s client coordinates.
void Click(HWND window, POINT point, bool right = false);

}  // namespace tarumo::ui
