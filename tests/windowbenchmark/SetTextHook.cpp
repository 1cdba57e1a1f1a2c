// settext_hook.dll: the message hook that sends a WM_SETTEXT inside the program under
// measurement (see InProcessSetText.h).
#include <windows.h>

#include "tests/windowbenchmark/InProcessSetText.h"

using tarumo::benchmark::SetTextRequest;

extern "C" __declspec(dllexport) LRESULT CALLBACK
    SetTextHookProc(int code, WPARAM wParam, LPARAM lParam) {
  static const UINT request = ::RegisterWindowMessageA(tarumo::benchmark::kSetTextMessage);
  MSG* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && message->message == request) {
    HANDLE mapping =
        ::OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, tarumo::benchmark::kSetTextMapping);
    if (mapping) {
      if (void* view = ::MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0)) {
        auto* shared = static_cast<SetTextRequest*>(view);
        const char* text = reinterpret_cast<const char*>(shared + 1);
        HWND control = ::GetDlgItem(message->hwnd, shared->controlId);
        LARGE_INTEGER start, end, frequency;
        ::QueryPerformanceCounter(&start);
        ::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        ::QueryPerformanceCounter(&end);
        ::QueryPerformanceFrequency(&frequency);
        shared->seconds = static_cast<double>(end.QuadPart - start.QuadPart) /
                          static_cast<double>(frequency.QuadPart);
        ::InterlockedExchange(&shared->done, 1);
        ::UnmapViewOfFile(view);
      }
      ::CloseHandle(mapping);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
