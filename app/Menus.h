// The main window's menu bar, the output editor's context menu and the shortcut keys, built
// from one table so that a menu item and its shortcut never disagree.
#pragma once

#include "platform/win32/MenuHandles.h"

namespace tarumo {

// MainMenu1: File, Edit, Convert and (ﾟдﾟ), each item showing its shortcut.
MenuHandle CreateMainMenu();

// PopupMenu1: the output editor's context menu, without shortcuts.
MenuHandle CreatePopupMenu1();

// The shortcuts of MainMenu1, looked up before the focused control sees a key.
AcceleratorTable CreateMenuShortcuts();

}  // namespace tarumo
