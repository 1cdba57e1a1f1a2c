// What a rich edit control costs per appended line, in the output editor's setting: the same
// control, styles and font, 4,000 lines of giant text appended one by one at the end, in
// several ways. Run under Wine: scripts/benchmark-window.sh --costs.
#include <richedit.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now() {
  LARGE_INTEGER counter, frequency;
  ::QueryPerformanceCounter(&counter);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

HWND MakeEditor(HWND parent, HFONT font) {
  HWND editor = ::CreateWindowExA(WS_EX_CLIENTEDGE, "RICHEDIT", "",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL |
                                      ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                                      ES_WANTRETURN | ES_DISABLENOSCROLL,
                                  0, 80, 617, 377, parent, nullptr, nullptr, nullptr);
  ::SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ::SendMessageA(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  ::SendMessageA(editor, EM_SETTARGETDEVICE, 0, 1);
  ::SendMessageA(editor, EM_SETEVENTMASK, 0, ENM_CHANGE);
  return editor;
}

// How the control paints while the lines go in.
enum class Painting {
  kEveryLine,   // after every line, as the control does by itself
  kOff,         // redraw off for the whole run
  kOffPerLine,  // redraw turned off before each line and on after it
  kValidated    // redraw on, the editor validated after each line so that nothing waits to paint
};

struct Way {
  const char* name;
  Painting painting;
  bool queryLines;  // the line count and the last line's start asked for each line
  bool placeCaret;  // the caret put at the end before each line, even when it is there
  bool pump;        // pending messages let through after each line
};

}  // namespace

int main() {
  ::LoadLibraryA("RICHED32.DLL");
  HWND parent = ::CreateWindowExA(0, "STATIC", "costs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                                  520, nullptr, nullptr, nullptr, nullptr);
  HFONT font = ::CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                             "ＭＳ Ｐゴシック");
  // A row of giant text: forty glyphs of about eight cells each.
  std::string row;
  for (int i = 0; i < 40; ++i) row += "┃　━━┓　";
  std::string text;
  const int lines = 4000;

  const Way ways[] = {
      {"painted, lines asked for, caret placed", Painting::kEveryLine, true, true, true},
      {"not painted, lines asked for, caret placed", Painting::kOff, true, true, true},
      {"not painted, caret placed", Painting::kOff, false, true, true},
      {"not painted, caret asked for", Painting::kOff, false, false, true},
      {"the same without messages", Painting::kOff, false, false, false},
      {"redraw off around each line, caret asked for", Painting::kOffPerLine, false, false, true},
      {"validated after each line, caret asked for", Painting::kValidated, false, false, true},
  };
  for (const Way& way : ways) {
    HWND editor = MakeEditor(parent, font);
    if (way.painting == Painting::kOff) ::SendMessageA(editor, WM_SETREDRAW, FALSE, 0);
    Pump();
    const double start = Now();
    for (int i = 0; i < lines; ++i) {
      if (way.queryLines) {
        const int count = static_cast<int>(::SendMessageA(editor, EM_GETLINECOUNT, 0, 0));
        ::SendMessageA(editor, EM_LINEINDEX, count - 1, 0);
      }
      if (way.painting == Painting::kOffPerLine) ::SendMessageA(editor, WM_SETREDRAW, FALSE, 0);
      const LRESULT end = ::SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0);
      CHARRANGE selection{};
      if (!way.placeCaret) {
        ::SendMessageA(editor, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
      }
      if (way.placeCaret || selection.cpMin != end || selection.cpMax != end) {
        ::SendMessageA(editor, EM_SETSEL, end, end);
      }
      const std::string line = (i % 4 == 3 ? std::string() : row) + "\r\n";
      ::SendMessageA(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
      if (way.painting == Painting::kOffPerLine) ::SendMessageA(editor, WM_SETREDRAW, TRUE, 0);
      if (way.painting == Painting::kValidated) ::ValidateRect(editor, nullptr);
      if (way.pump) Pump();
    }
    const double seconds = Now() - start;
    if (way.painting == Painting::kOff) ::SendMessageA(editor, WM_SETREDRAW, TRUE, 0);
    std::printf("%-50s %6.3f s, %6.1f us a line\n", way.name, seconds, seconds / lines * 1e6);

    // The same text in one WM_SETTEXT.
    if (&way == &ways[0]) {
      const int length = ::GetWindowTextLengthA(editor);
      text.assign(static_cast<std::size_t>(length) * 2 + 1, '\0');
      text.resize(::GetWindowTextA(editor, text.data(), static_cast<int>(text.size())));
    }
    ::DestroyWindow(editor);
  }
  HWND editor = MakeEditor(parent, font);
  Pump();
  const double start = Now();
  ::SetWindowTextA(editor, text.c_str());
  Pump();
  std::printf("%-50s %6.3f s\n", "one WM_SETTEXT of the whole text", Now() - start);
  return 0;
}
