// One WM_SETTEXT of a text into a control of another process, sent from inside that process:
// a WM_SETTEXT sent across processes carries at most about 2 MB under Wine. The text goes
// over in shared memory, and a message hook (settext_hook.dll) sends it in the program's own
// thread and times it there.
#pragma once

namespace tarumo::benchmark {

// The shared memory: the text, zero-ended, after this header.
struct SetTextRequest {
  int controlId;       // the control, a child of the window that takes the message
  volatile long done;  // set by the hook when the text is in
  double seconds;      // how long the WM_SETTEXT took
};

inline constexpr const char* kSetTextMapping = "Local\\tarumo2-benchmark-settext";
inline constexpr const char* kSetTextMessage = "tarumo2-benchmark-settext";

}  // namespace tarumo::benchmark
