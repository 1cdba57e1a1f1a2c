#include "platform/win32/Win32MessageBoxes.h"

namespace tarumo {
namespace {

UINT ButtonFlags(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kYesNo:
      return MB_YESNO;
    case MessageButtons::kYesNoCancel:
      return MB_YESNOCANCEL;
    case MessageButtons::kOk:
      break;
  }
  return MB_OK;
}

}  // namespace

MessageAnswer Win32MessageBoxes::Show(const std::string& text, const std::string& title,
                                      MessageButtons buttons) {
  // No icon and no default-button flag: the first button is the default.
  switch (::MessageBoxA(owner_, text.c_str(), title.c_str(), ButtonFlags(buttons))) {
    case IDOK:
      return MessageAnswer::kOk;
    case IDYES:
      return MessageAnswer::kYes;
    case IDNO:
      return MessageAnswer::kNo;
    default:
      return MessageAnswer::kCancel;  // IDCANCEL, or a box that could not be shown
  }
}

}  // namespace tarumo
