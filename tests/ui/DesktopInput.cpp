#include "tests/ui/DesktopInput.h"

#include <string>
#include <vector>

namespace tarumo::ui {
namespace {

INPUT Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT Character(wchar_t character, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

INPUT Mouse(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // Lets the system hand the input over before the next step looks for its effect.
  ::Sleep(30);
}

}  // namespace

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(Key(modifier, false));
  inputs.push_back(Key(key, false));
  inputs.push_back(Key(key, true));
  for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
    inputs.push_back(Key(*modifier, true));
  }
  Send(std::move(inputs));
}

void TypeText(std::string_view text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(::MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size())));
  std::vector<INPUT> inputs;
  for (wchar_t character : wide) {
    inputs.push_back(Character(character, false));
    inputs.push_back(Character(character, true));
  }
  Send(std::move(inputs));
}

void MoveMouse(HWND window, POINT point) {
  ::ClientToScreen(window, &point);
  // Absolute positions run from 0 to 65535 over the primary screen.
  const LONG x = MulDiv(point.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
  const LONG y = MulDiv(point.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y)});
}

void Click(HWND window, POINT point, bool right) {
  MoveMouse(window, point);
  const DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  const DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  Send({Mouse(down), Mouse(up)});
}

}  // namespace tarumo::ui
