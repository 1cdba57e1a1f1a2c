// The main window: its controls, menus and dialogs, and every command that they start.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/OutputAppender.h"
#include "app/PacedPainting.h"
#include "app/WindowLayout.h"
#include "conversion/ConversionHost.h"
#include "platform/win32/FontHandle.h"
#include "platform/win32/MenuHandles.h"
#include "settings/SettingsWindow.h"

namespace tarumo {

struct WindowCommands;

class TForm1 final : public ConversionHost, public SettingsWindow {
 public:
  TForm1();
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Creates the window, owned by the application's window `application`, with its controls,
  // menus and dialogs, then runs FormCreate. Raises Error when the window or a control cannot
  // be created.
  void Create(HINSTANCE instance, HWND application);

  HWND Handle() const { return handle_; }
  HACCEL Shortcuts() const { return shortcuts_.get(); }

  // What the conversion pass needs of the window.
  void ClearOutput() override;
  void SetStatusPanel(StatusPanel panel, const std::string& text) override;
  int InputLineCount() override;
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  void Repaint() override;
  std::string InputLine(int index) override;
  std::string BlankLineText() override;
  void AppendOutputLine(const std::string& line) override;
  void ProcessMessages() override;

  // What the settings and the release check need of the window.
  bool AutoUpdateChecked() override;
  void SetAutoUpdateChecked(bool checked) override;
  void SetUpdateStatus(const std::string& text) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Runs one message's handler; a failure that escapes it goes to the standard error box.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  // Creation and painting of the controls (Unit1Controls.cpp).
  void CreateControls(HINSTANCE instance);
  HWND CreateControl(DWORD exStyle, const char* className, const char* text, DWORD style,
                     const layout::Bounds& bounds, CommandId id, HINSTANCE instance);
  void CreateStatusBar(HINSTANCE instance);
  void CreateTooltips();
  // Empties MemoOut by putting a fresh control in its place (MemoOutControl.h).
  void EmptyMemoOut();
  // Lets the hints see a mouse message of the window or a control.
  void RelayMouseToHints(const MSG& message);
  // Posted at creation: the hints are made when the message loop first runs.
  static constexpr UINT kCreateHintsMessage = WM_APP + 1;
  void PaintLabel1();

  // Message handlers.
  void OnSize(UINT kind);
  void OnCommand(CommandId id, UINT code);
  void OnControlNotification(CommandId id, UINT code);
  void OnControlFocused(CommandId id);
  void Button1Entered();
  void OnContextMenu(HWND target, int x, int y);
  void OnNextDialogControl(WPARAM wParam, LPARAM lParam);
  void OnActivate(UINT state);
  bool OnSystemCommand(WPARAM command);
  void OnPaint();
  void OnClose();
  void OnDestroy();

  // Window events.
  void FormCreate();
  void FormResize();
  void FormDropFiles(HDROP drop);
  void FormClose();
  void DockStatusBar();

  // Conversion and output (Unit1Conversion.cpp).
  void Button1Click();
  void TranceClick();
  void MemoOutChange();

  // Large edits of the output editor (Unit1OutputEdits.cpp): a key or a command that would
  // remove a selection of many lines has it removed by a fresh control holding the rest
  // (LargeSelection.h), and one undo brings it back.
  bool OnKeyMessageComing(const MSG& key);
  // Removes MemoOut's selection that way when it is the quicker way, after copying it to the
  // clipboard when `copyFirst`; tells whether it did.
  bool RemoveLargeSelection(bool copyFirst);
  // Brings back the text of the last such removal when the control has nothing left to undo
  // itself; tells whether it did.
  bool UndoLargeRemoval();
  // Sets the text of a fresh, empty MemoOut.
  void SetMemoOutText(const std::string& text);

  // Editing commands and the clipboard (Unit1Commands.cpp).
  void MemoInEnter();
  void MemoOutEnter();
  HWND ActiveEditorControl() const;
  void AllSelectMenuClick();
  void UndoMenuClick();
  void CutMenuClick();
  void CopyMenuClick();
  void PasteMenuClick();
  void AllSelectClick();
  void UndoClick();
  void CutClick();
  void CopyClick();
  void PasteClick();
  void Button2Click();
  void PopupMenu1At(int x, int y);

  // Text documents, dropped files and the browser preview (Unit1Documents.cpp).
  void NewTextClick();
  void OpenTextClick();
  void SaveSmallTextClick();
  void SaveTextClick();
  void ExitAppClick();
  void LoadCommandLineFile();
  void BrowserClick();

  // Settings, the release check, help and version (Unit1Settings.cpp).
  void StartupSettingsStep();
  void RenewCheckMenuClick();
  void AutoUpdateCheckClick();
  void HelpClick();
  void BBSMenuClick();
  void VersionInfoClick();

  HWND handle_ = nullptr;

  // Controls, in tab order; they go with the window.
  HWND MemoIn = nullptr;
  HWND Button1 = nullptr;
  HWND Button2 = nullptr;
  HWND BlankLine = nullptr;
  HWND BlankLineUD = nullptr;
  HWND MemoOut = nullptr;
  HWND StatusBar1 = nullptr;
  HWND tooltips_ = nullptr;

  FontHandle windowFont_;
  FontHandle memoOutFont_;
  MenuHandle MainMenu1{nullptr};  // handed to the window once it exists
  MenuHandle PopupMenu1{nullptr};
  AcceleratorTable shortcuts_;
  // The services and the logic of the file, preview and settings commands, with OpenDialog1
  // and SaveDialog1; made once the controls exist.
  std::unique_ptr<WindowCommands> commands_;

  // 0 for MemoIn, 1 for MemoOut: the editor that the Edit menu acts on.
  std::int32_t activeEditor_ = 0;
  // Where the glyph library and the settings are, ending in a backslash.
  std::string programFolder_;

  // The control that last took the focus; it gets it back when the window is activated.
  HWND activeControl_ = nullptr;
  // A conversion pass is running; a second one is not started from its message processing.
  bool converting_ = false;
  // The input lines of the running pass, read when it counts them.
  std::vector<std::string> inputLines_;
  // The spacing box's text as the running pass last read it. Nothing can change it while no
  // message goes through, and asking the box costs server round trips under Wine (the spinner
  // subclasses it), so it is read again only after messages went through.
  std::optional<std::string> blankLineText_;
  // The spacing rules are writing lines back; the changes that this makes are not rescanned.
  bool correctingOutput_ = false;
  // A line that the conversion pass is appending: every line before `firstLine` obeys the
  // rules, and when the editor's end was known, the new line is `text` and the only one to check.
  struct AppendedLine {
    int firstLine;
    const std::string* text;  // null when other lines may need checking too
  };
  std::optional<AppendedLine> appending_;
  // How the pass's lines go into MemoOut, and how it is painted meanwhile; made with the controls.
  std::optional<OutputAppender> outputAppender_;
  std::optional<PacedPainting> pacedPainting_;
  // The text and selection before the last large removal, while one undo can bring them back:
  // until the output editor is emptied or the spacing rules correct it, either of which empties
  // the control's own undo record too.
  struct RemovedSelection {
    std::string text;
    int start;
    int end;
  };
  std::optional<RemovedSelection> removedSelection_;
};

// The program's one main window, while it exists.
extern TForm1* Form1;

}  // namespace tarumo
