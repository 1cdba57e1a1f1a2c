#include "app/ErrorBox.h"

#include <string>

#include "app/StandardErrorText.h"

namespace tarumo {

void ShowStandardErrorBox(HWND owner, std::string_view message) {
  const std::string text = StandardErrorText(message);
  ::MessageBoxA(owner, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

}  // namespace tarumo
