// The identifiers of every menu item, shortcut and control of the main window.
//
// A menu item and its shortcut share one identifier; a control's notifications arrive with
// the control's identifier. The tests that drive the window find its controls by them.
#pragma once

#include <cstdint>

namespace tarumo {

enum class CommandId : std::uint16_t {
  // File menu
  kNewText = 100,
  kOpenText,
  kSaveSmallText,
  kSaveText,
  kExitApp,

  // Edit menu
  kAllSelectMenu = 200,
  kUndoMenu,
  kCutMenu,
  kCopyMenu,
  kPasteMenu,

  // Convert menu
  kTrance = 300,
  kN6,
  kBrowser,

  // (ﾟдﾟ) menu
  kHelp = 400,
  kRenewCheckMenu,
  kBBSMenu,
  kAutoUpdateCheck,
  kVersionInfo,

  // Context menu of the output editor
  kAllSelect = 500,
  kUndo,
  kCut,
  kCopy,
  kPaste,

  // Controls
  kMemoIn = 600,
  kButton1,
  kButton2,
  kBlankLine,
  kBlankLineUD,
  kMemoOut,
  kStatusBar1,
  kLabel1,  // a tooltip area, not a window
};

// IDOK and IDCANCEL (1, 2) belong to the dialog manager, and identifiers from 0xF000 on are
// system commands; none of ours may fall there.
static_assert(static_cast<int>(CommandId::kNewText) > 2);
static_assert(static_cast<int>(CommandId::kLabel1) < 0xF000);

constexpr std::uint16_t ToWord(CommandId id) {
  return static_cast<std::uint16_t>(id);
}

}  // namespace tarumo
