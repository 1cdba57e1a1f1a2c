// The controls of the main window: creation in tab order, fonts, hints and the label.

// <windows.h> comes first: the other system headers build on it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "app/MemoOutControl.h"
#include "app/Unit1.h"
#include "app/WindowCommands.h"
#include "app/WindowLayout.h"
#include "platform/win32/LastError.h"
#include "platform/win32/PaintSession.h"

namespace tarumo {
namespace {

constexpr const char* kFontFace = "ＭＳ Ｐゴシック";
constexpr int kWindowFontHeight = 12;
constexpr int kMemoOutFontHeight = 16;
constexpr const char* kLabel1Caption = "行間";
constexpr const char* kSpacingHint = "複数行にわたったときの行間を指定します";

// Every child clips its siblings: the status bar lies in front of the output editor.
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

FontHandle CreateUiFont(int characterHeight) {
  // A negative height asks for the character height rather than the cell height.
  FontHandle font(::CreateFontA(-characterHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontFace));
  if (!font) throw LastError();
  return font;
}

void SetFont(HWND control, const FontHandle& font) {
  ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
}

}  // namespace

HWND TForm1::CreateControl(DWORD exStyle, const char* className, const char* text, DWORD style,
                           const layout::Bounds& bounds, CommandId id, HINSTANCE instance) {
  HWND control = ::CreateWindowExA(exStyle, className, text, kChildStyle | style, bounds.left,
                                   bounds.top, bounds.width, bounds.height, handle_,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ToWord(id))),
                                   instance, nullptr);
  if (!control) throw LastError();
  return control;
}

void TForm1::CreateControls(HINSTANCE instance) {
  windowFont_ = CreateUiFont(kWindowFontHeight);
  memoOutFont_ = CreateUiFont(kMemoOutFontHeight);
  SetFont(handle_, windowFont_);

  // Created in tab order: the order of creation is the order in which Tab visits them.
  MemoIn = CreateControl(WS_EX_CLIENTEDGE, "EDIT", "",
                         WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL |
                             ES_AUTOVSCROLL | ES_WANTRETURN,
                         layout::kMemoIn, CommandId::kMemoIn, instance);
  // Typing is not limited to the control's default length.
  ::SendMessageA(MemoIn, EM_SETLIMITTEXT, 0, 0);

  // Both buttons report the focus: entering Button1 converts.
  Button1 = CreateControl(0, "BUTTON", "変換", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY,
                          layout::kButton1, CommandId::kButton1, instance);
  Button2 = CreateControl(0, "BUTTON", "コピー", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY,
                          layout::kButton2, CommandId::kButton2, instance);

  BlankLine = CreateControl(WS_EX_CLIENTEDGE, "EDIT", "1", WS_TABSTOP | ES_AUTOHSCROLL,
                            layout::kBlankLine, CommandId::kBlankLine, instance);
  // Placed right of its buddy by its bounds, so that the buddy keeps its width.
  BlankLineUD = CreateControl(0, UPDOWN_CLASSA, "",
                              WS_TABSTOP | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                              layout::kBlankLineUD, CommandId::kBlankLineUD, instance);
  ::SendMessageA(BlankLineUD, UDM_SETBUDDY, reinterpret_cast<WPARAM>(BlankLine), 0);
  ::SendMessageA(BlankLineUD, UDM_SETRANGE32, 0, 10);
  ::SendMessageA(BlankLineUD, UDM_SETPOS32, 0, 1);

  const layout::Bounds& memoOut = layout::kMemoOutInitial;
  MemoOut = CreateMemoOutControl(
      handle_, ToWord(CommandId::kMemoOut),
      {memoOut.left, memoOut.top, memoOut.left + memoOut.width, memoOut.top + memoOut.height},
      memoOutFont_.get());

  CreateStatusBar(instance);
  // The hints' window is made once the main window shows: it is not needed to show it.
  ::PostMessageA(handle_, kCreateHintsMessage, 0, 0);
  outputAppender_.emplace(MemoOut);
  pacedPainting_.emplace(MemoOut, StatusBar1);

  for (HWND control : {MemoIn, Button1, Button2, BlankLine, StatusBar1})
    SetFont(control, windowFont_);

  DockStatusBar();
  FormResize();
}

void TForm1::EmptyMemoOut() {
  removedSelection_.reset();
  if (::GetWindowTextLengthA(MemoOut) == 0) return;
  HWND old = MemoOut;
  const bool focused = ::GetFocus() == old;
  MemoOut = CreateEmptyMemoOutLike(old, memoOutFont_.get());
  if (activeControl_ == old) activeControl_ = MemoOut;
  outputAppender_.emplace(MemoOut);
  pacedPainting_->EditorReplaced(MemoOut);
  commands_->output.Attach(MemoOut);
  // Gone before the fresh control takes the focus: the two share the command id, by which the
  // focus notification finds its control.
  ::DestroyWindow(old);
  if (focused) ::SetFocus(MemoOut);
}

void TForm1::CreateStatusBar(HINSTANCE instance) {
  // Placed by the window itself rather than by the control, so that it keeps its height.
  StatusBar1 = CreateControl(
      0, STATUSCLASSNAMEA, "", SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
      layout::StatusBarBounds(layout::kInitialClient), CommandId::kStatusBar1, instance);
  int rightEdges[] = {layout::kProgressPanelWidth, -1};
  ::SendMessageA(StatusBar1, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(rightEdges));
  // Created after the output editor, it lies in front of it where the two overlap.
  ::SetWindowPos(StatusBar1, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm1::CreateTooltips() {
  if (tooltips_) return;
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(handle_, GWLP_HINSTANCE));
  tooltips_ =
      ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, handle_, nullptr, instance, nullptr);
  if (!tooltips_) throw LastError();

  // The hints learn of the mouse from the event loop, which relays every mouse message of the
  // window and its controls (RelayMouseToHints). Letting the hints subclass the windows instead
  // would cost every message to them, such as the window's change notification for each line
  // the conversion appends, three look-ups of the subclass in the window server under Wine.
  const auto add = [this](TOOLINFOA tool, const char* hint) {
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = handle_;
    tool.lpszText = const_cast<char*>(hint);
    ::SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  };
  const auto control = [](HWND window) {
    TOOLINFOA tool{};
    tool.uFlags = TTF_IDISHWND;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    return tool;
  };
  add(control(Button1), "巨大文字に変換します");
  add(control(Button2), "クリップボードにコピーします");
  add(control(BlankLine), kSpacingHint);

  // Label1 has no window of its own: its hint covers its place on the window.
  TOOLINFOA label{};
  label.uId = ToWord(CommandId::kLabel1);
  const layout::Bounds& bounds = layout::kLabel1;
  label.rect = {bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
  add(label, kSpacingHint);
}

void TForm1::RelayMouseToHints(const MSG& message) {
  if (!tooltips_) return;
  MSG relayed = message;
  ::SendMessageA(tooltips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void TForm1::PaintLabel1() {
  PaintSession paint(handle_);
  if (!paint) return;
  SelectedObject font(paint.dc(), windowFont_.get());
  ::SetBkMode(paint.dc(), TRANSPARENT);
  ::SetTextColor(paint.dc(), ::GetSysColor(COLOR_WINDOWTEXT));
  const layout::Bounds& bounds = layout::kLabel1;
  RECT place{bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
  ::DrawTextA(paint.dc(), kLabel1Caption, -1, &place,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

}  // namespace tarumo
