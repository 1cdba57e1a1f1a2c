#include "app/EditControl.h"

#include <richedit.h>

#include <cstring>
#include <vector>

#include "app/EditorText.h"
#include "common/TextLines.h"

namespace tarumo {
namespace {

LRESULT Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return ::SendMessageA(control, message, wParam, lParam);
}

int ReportedLines(HWND control) {
  return static_cast<int>(Send(control, EM_GETLINECOUNT));
}
int LineLength(HWND control, int start) {
  return static_cast<int>(Send(control, EM_LINELENGTH, start));
}

void Select(HWND control, int start, int end) {
  Send(control, EM_SETSEL, start, end);
}

void ReplaceSelection(HWND control, const std::string& text) {
  // Not undoable, like every change the program itself makes.
  Send(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

std::string WindowText(HWND control) {
  // The length is counted in characters by some controls: a double-byte character may need
  // two bytes for each.
  const int length = ::GetWindowTextLengthA(control);
  std::string text(static_cast<std::size_t>(length) * 2 + 1, '\0');
  const int copied = ::GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  text.resize(copied > 0 ? copied : 0);
  return text;
}

int EditLineCount(HWND control) {
  const int reported = ReportedLines(control);
  if (reported <= 0) return 0;
  const bool lastLineEmpty = LineLength(control, LineStart(control, reported - 1)) == 0;
  return CountedLines(reported, lastLineEmpty);
}

std::vector<std::string> EditLines(HWND control) {
  std::vector<std::string> lines = SplitEditorLines(WindowText(control));
  const int count = EditLineCount(control);
  if (static_cast<int>(lines.size()) != count) {
    // The control breaks its lines otherwise than its text shows: it is asked line by line.
    lines.clear();
    for (int i = 0; i < count; ++i) lines.push_back(EditLine(control, i));
  }
  return lines;
}

std::string EditLine(HWND control, int index) {
  const int start = LineStart(control, index);
  if (start < 0) return {};
  // Room for two bytes a character, the line break a rich edit copies along, and the size word
  // that EM_GETLINE expects at the start of the buffer.
  const std::size_t characters = LineLength(control, start);
  const std::size_t needed = characters * 2 + 4 + sizeof(WORD);
  if (needed > 0xFFFF) {
    // EM_GETLINE counts its buffer in a WORD: a longer line comes from the whole text.
    const std::vector<std::string> lines = SplitLines(WindowText(control));
    return index < static_cast<int>(lines.size()) ? lines[index] : std::string();
  }
  std::vector<char> buffer(needed);
  const WORD capacity = static_cast<WORD>(needed);
  std::memcpy(buffer.data(), &capacity, sizeof capacity);
  const int copied =
      static_cast<int>(Send(control, EM_GETLINE, index, reinterpret_cast<LPARAM>(buffer.data())));
  return std::string(WithoutLineBreak(std::string_view(buffer.data(), copied > 0 ? copied : 0)));
}

void ReplaceEditLines(HWND control, int first, const std::vector<std::string>& texts) {
  if (texts.empty()) return;
  const int start = LineStart(control, first);
  const int lastStart = LineStart(control, first + static_cast<int>(texts.size()) - 1);
  if (start < 0 || lastStart < 0) return;
  std::string joined;
  for (const std::string& text : texts) joined.append(joined.empty() ? "" : "\r\n").append(text);
  Select(control, start, lastStart + LineLength(control, lastStart));
  ReplaceSelection(control, joined);
}

int LastLineIndex(HWND control) {
  return ReportedLines(control) - 1;
}

int AppendEditLine(HWND control, const std::string& text) {
  const int lastLine = LastLineIndex(control);
  const int lastStart = LineStart(control, lastLine);
  const int lastLength = LineLength(control, lastStart);
  const int end = lastStart + lastLength;
  Select(control, end, end);
  if (lastLength == 0) {
    ReplaceSelection(control, text + "\r\n");
    return lastLine;
  }
  ReplaceSelection(control, "\r\n" + text + "\r\n");
  return lastLine + 1;
}

int SelectionStart(HWND control) {
  CHARRANGE selection{};
  Send(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  return static_cast<int>(selection.cpMin);
}

Selection RichEditSelection(HWND control) {
  CHARRANGE selection{};
  Send(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  return {static_cast<int>(selection.cpMin), static_cast<int>(selection.cpMax)};
}

int RichEditLineAt(HWND control, int position) {
  return static_cast<int>(Send(control, EM_EXLINEFROMCHAR, 0, position));
}

int LineStart(HWND control, int index) {
  return static_cast<int>(Send(control, EM_LINEINDEX, index));
}

void PlaceCaret(HWND control, int position) {
  Select(control, position, position);
}

}  // namespace tarumo
