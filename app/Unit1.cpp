// The main window's life: creation, message dispatch, layout and the window events.
#include "app/Unit1.h"

#include <shellapi.h>
#include <windowsx.h>

#include "app/ErrorBox.h"
#include "app/Menus.h"
#include "app/MessageLoop.h"
#include "app/ProgramFolder.h"
#include "app/ResourceIds.h"
#include "app/WindowCommands.h"
#include "app/WindowLayout.h"
#include "platform/win32/LastError.h"
#include "platform/win32/ModulePath.h"
#include "platform/win32/Win32TextServices.h"

namespace tarumo {

TForm1* Form1 = nullptr;

namespace {

constexpr const char* kWindowClass = "TForm1";
constexpr const char* kCaption = "巨大文字作成ツール　－タルモPART2－";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

HICON LoadProgramIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, size,
                                         size, LR_DEFAULTCOLOR));
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  if (::GetClassInfoExA(instance, kWindowClass, &windowClass)) return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadProgramIcon(instance, 32);
  windowClass.hIconSm = LoadProgramIcon(instance, 16);
  windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  if (!::RegisterClassExA(&windowClass)) throw LastError();
}

layout::Size ClientSize(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return {client.right - client.left, client.bottom - client.top};
}

void Place(HWND control, const layout::Bounds& bounds) {
  ::MoveWindow(control, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
}

}  // namespace

TForm1::TForm1() = default;

TForm1::~TForm1() {
  if (handle_) ::DestroyWindow(handle_);
}

void TForm1::Create(HINSTANCE instance, HWND application) {
  RegisterWindowClass(instance, &TForm1::WindowProc);
  MainMenu1 = CreateMainMenu();
  PopupMenu1 = CreatePopupMenu1();
  shortcuts_ = CreateMenuShortcuts();

  // The client area is given; the outer size follows from the frame and the menu bar. The
  // window starts centred on the screen.
  RECT outer{0, 0, layout::kInitialClient.width, layout::kInitialClient.height};
  ::AdjustWindowRectEx(&outer, kWindowStyle, TRUE, 0);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (!::CreateWindowExA(0, kWindowClass, kCaption, kWindowStyle, left, top, width, height,
                         application, MainMenu1.get(), instance, this)) {
    throw LastError();
  }
  MainMenu1.Release();  // the window destroys its menu bar

  CreateControls(instance);
  commands_ = std::make_unique<WindowCommands>(handle_, MemoIn, MemoOut, *this);
  commands_->output.EmptyWith([this] { EmptyMemoOut(); });
  RunShowingFailures(handle_, [this] { FormCreate(); });
}

LRESULT CALLBACK TForm1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TForm1* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<TForm1*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->handle_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<TForm1*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return Dispatch(message, wParam, lParam);
  } catch (const WindowClosed&) {
    // The window went away under a running command; the event loop ends next.
  } catch (const std::exception& failure) {
    ShowStandardErrorBox(handle_, failure.what());
  } catch (...) {
    ShowStandardErrorBox(handle_, {});
  }
  return 0;
}

LRESULT TForm1::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam));
      return 0;
    case WM_COMMAND:
      OnCommand(static_cast<CommandId>(LOWORD(wParam)), HIWORD(wParam));
      return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != MemoOut) break;
      OnContextMenu(reinterpret_cast<HWND>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_NEXTDLGCTL:
      OnNextDialogControl(wParam, lParam);
      return 0;
    case WM_ACTIVATE:
      if (HIWORD(wParam)) break;  // minimised: nothing to focus
      OnActivate(LOWORD(wParam));
      return 0;
    case WM_SYSCOMMAND:
      if (OnSystemCommand(wParam)) return 0;
      break;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_DROPFILES:
      FormDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case kCreateHintsMessage:
      CreateTooltips();
      return 0;
    case kMouseMessageComing:
      RelayMouseToHints(*reinterpret_cast<const MSG*>(lParam));
      return 0;
    case kKeyMessageComing:
      return OnKeyMessageComing(*reinterpret_cast<const MSG*>(lParam));
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return ::DefWindowProcA(handle_, message, wParam, lParam);
}

void TForm1::OnSize(UINT kind) {
  // A minimised window keeps its layout for when it comes back.
  if (kind == SIZE_MINIMIZED) return;
  DockStatusBar();
  FormResize();
}

void TForm1::OnCommand(CommandId id, UINT code) {
  switch (id) {
    // Notifications of the controls.
    case CommandId::kMemoIn:
    case CommandId::kButton2:
    case CommandId::kBlankLine:
    case CommandId::kMemoOut:
    case CommandId::kButton1:
      OnControlNotification(id, code);
      break;

    // Commands of the menus and their shortcuts.
    case CommandId::kTrance:
      TranceClick();
      break;
    case CommandId::kNewText:
      NewTextClick();
      break;
    case CommandId::kOpenText:
      OpenTextClick();
      break;
    case CommandId::kSaveSmallText:
      SaveSmallTextClick();
      break;
    case CommandId::kSaveText:
      SaveTextClick();
      break;
    case CommandId::kExitApp:
      ExitAppClick();
      break;
    case CommandId::kBrowser:
      BrowserClick();
      break;
    case CommandId::kHelp:
      HelpClick();
      break;
    case CommandId::kRenewCheckMenu:
      RenewCheckMenuClick();
      break;
    case CommandId::kBBSMenu:
      BBSMenuClick();
      break;
    case CommandId::kAutoUpdateCheck:
      AutoUpdateCheckClick();
      break;
    case CommandId::kVersionInfo:
      VersionInfoClick();
      break;
    case CommandId::kAllSelectMenu:
      AllSelectMenuClick();
      break;
    case CommandId::kUndoMenu:
      UndoMenuClick();
      break;
    case CommandId::kCutMenu:
      CutMenuClick();
      break;
    case CommandId::kCopyMenu:
      CopyMenuClick();
      break;
    case CommandId::kPasteMenu:
      PasteMenuClick();
      break;
    case CommandId::kAllSelect:
      AllSelectClick();
      break;
    case CommandId::kUndo:
      UndoClick();
      break;
    case CommandId::kCut:
      CutClick();
      break;
    case CommandId::kCopy:
      CopyClick();
      break;
    case CommandId::kPaste:
      PasteClick();
      break;

    // N6 and its F6 carry no command.
    default:
      break;
  }
}

void TForm1::OnControlNotification(CommandId id, UINT code) {
  if (code == EN_SETFOCUS || code == BN_SETFOCUS) {
    OnControlFocused(id);
    return;
  }
  if (id == CommandId::kMemoOut && code == EN_CHANGE) MemoOutChange();
  // The buttons report the focus, and so a quick second click comes as a double click: it is
  // a click all the same.
  const bool clicked = code == BN_CLICKED || code == BN_DBLCLK;
  if (id == CommandId::kButton1 && clicked) Button1Click();
  if (id == CommandId::kButton2 && clicked) Button2Click();
}

void TForm1::OnControlFocused(CommandId id) {
  // A control is entered when the focus comes to it from another control of the window; the
  // focus coming back with the window (after a message box, say) enters nothing.
  HWND control = ::GetDlgItem(handle_, ToWord(id));
  const bool entered = control != activeControl_;
  activeControl_ = control;
  if (!entered) return;
  switch (id) {
    case CommandId::kMemoIn:
      MemoInEnter();
      break;
    case CommandId::kMemoOut:
      MemoOutEnter();
      break;
    case CommandId::kButton1:
      Button1Entered();
      break;
    default:
      break;
  }
}

void TForm1::Button1Entered() {
  // Entering the button converts, as clicking it does. The pass starts as soon as the focus
  // change is over (a posted message comes before the mouse button's release): a mouse press
  // that moved the focus has then finished, and the button gets its release and lets go of
  // the mouse instead of holding it through the pass.
  ::PostMessageA(handle_, WM_COMMAND, MAKEWPARAM(ToWord(CommandId::kButton1), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Button1));
}

void TForm1::OnContextMenu(HWND target, int x, int y) {
  // The editor takes the focus first, and so becomes the active editor.
  ::SetFocus(target);
  if (x == -1 && y == -1) {
    // Asked for from the keyboard: the menu opens at the editor's top-left corner.
    POINT corner{0, 0};
    ::ClientToScreen(target, &corner);
    x = corner.x;
    y = corner.y;
  }
  PopupMenu1At(x, y);
}

void TForm1::OnNextDialogControl(WPARAM wParam, LPARAM lParam) {
  HWND target = lParam ? reinterpret_cast<HWND>(wParam)
                       : ::GetNextDlgTabItem(handle_, ::GetFocus(), wParam != 0);
  if (!target) return;
  ::SetFocus(target);
  // The spacing box is entered with its text selected, ready to be typed over.
  if (target == BlankLine) ::SendMessageA(BlankLine, EM_SETSEL, 0, -1);
}

void TForm1::OnActivate(UINT state) {
  if (state == WA_INACTIVE) return;
  // The focus goes back to the control that had it, without entering it anew.
  ::SetFocus(activeControl_ ? activeControl_ : MemoIn);
}

bool TForm1::OnSystemCommand(WPARAM command) {
  // The application is minimised as a whole: its taskbar entry, which owns this window.
  HWND application = ::GetWindow(handle_, GW_OWNER);
  if ((command & 0xFFF0) != SC_MINIMIZE || !application) return false;
  ::ShowWindow(application, SW_MINIMIZE);
  return true;
}

void TForm1::OnPaint() {
  PaintLabel1();
}

void TForm1::OnClose() {
  FormClose();
  ::DestroyWindow(handle_);
}

void TForm1::OnDestroy() {
  ::PostQuitMessage(0);
}

void TForm1::FormCreate() {
  activeEditor_ = 0;
  programFolder_ = ProgramFolderOf(ExecutablePath(), Win32TextServices());
  ::DragAcceptFiles(handle_, TRUE);
  // A failure in a step skips the steps after it: an unwritable config.ini leaves the
  // command-line file unloaded.
  StartupSettingsStep();
  LoadCommandLineFile();
}

void TForm1::FormResize() {
  RECT outer{};
  ::GetWindowRect(handle_, &outer);
  const layout::Size size{outer.right - outer.left, outer.bottom - outer.top};
  const layout::Size corrected = layout::CorrectedOuterSize(size);
  if (corrected != size) {
    // The corrected size comes through here once more.
    ::SetWindowPos(handle_, nullptr, 0, 0, corrected.width, corrected.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (MemoOut) Place(MemoOut, layout::MemoOutBounds(ClientSize(handle_)));
}

void TForm1::DockStatusBar() {
  if (StatusBar1) Place(StatusBar1, layout::StatusBarBounds(ClientSize(handle_)));
}

}  // namespace tarumo
