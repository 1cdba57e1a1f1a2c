#include "app/DoubleByteTyping.h"

#include "platform/win32/LastError.h"

namespace tarumo {
namespace {

// A lead byte waiting for its second byte (stored plus one, so that "none" is zero). The
// control's own window procedure is kept in its user data, which every message reads: a
// window property would be a round trip to the window server under Wine.
constexpr const char* kPendingLeadByte = "tarumo.lead";

LRESULT CALLBACK CollectDoubleBytes(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto own = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_USERDATA));
  if (message == WM_CHAR) {
    const auto byte = static_cast<unsigned char>(wParam);
    const auto pending = reinterpret_cast<UINT_PTR>(::GetPropA(control, kPendingLeadByte));
    if (pending) {
      ::RemovePropA(control, kPendingLeadByte);
      const char character[] = {static_cast<char>(pending - 1), static_cast<char>(byte), '\0'};
      return ::CallWindowProcA(own, control, EM_REPLACESEL, TRUE,
                               reinterpret_cast<LPARAM>(character));
    }
    if (::IsDBCSLeadByte(byte)) {
      ::SetPropA(control, kPendingLeadByte,
                 reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(byte) + 1));
      return 0;
    }
  } else if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    ::SetWindowLongPtrA(control, GWLP_USERDATA, 0);
    ::RemovePropA(control, kPendingLeadByte);
  }
  return ::CallWindowProcA(own, control, message, wParam, lParam);
}

}  // namespace

void TakeDoubleByteCharactersWhole(HWND control) {
  const LONG_PTR own = ::GetWindowLongPtrA(control, GWLP_WNDPROC);
  ::SetLastError(0);
  if (!::SetWindowLongPtrA(control, GWLP_USERDATA, own) && ::GetLastError()) throw LastError();
  ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CollectDoubleBytes));
}

}  // namespace tarumo
