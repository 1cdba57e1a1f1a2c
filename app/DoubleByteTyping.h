// Typing double-byte characters into the output editor.
#pragma once

#include <windows.h>

namespace tarumo {

// Makes `control`, a rich edit of the first version, take a typed double-byte character whole.
// Such a control gets the character as two WM_CHAR messages, lead byte then second byte, and
// some systems' controls (Wine's) convert each byte on its own and insert two wrong characters.
// The pair is collected here and inserted as one character at the selection instead. The
// control keeps the change until it is destroyed; its user data (GWLP_USERDATA) holds its own
// window procedure meanwhile.
void TakeDoubleByteCharactersWhole(HWND control);

}  // namespace tarumo
