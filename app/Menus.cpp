#include "app/Menus.h"

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "platform/win32/LastError.h"

namespace tarumo {
namespace {

struct Shortcut {
  BYTE modifiers = 0;  // FCONTROL, FALT, or nothing
  WORD key = 0;        // a virtual key; 0 for no shortcut
  const char* text = nullptr;
};

// An item with no caption is a separator.
struct MenuItem {
  CommandId id;
  const char* caption;
  Shortcut shortcut;
};

struct Menu {
  const char* caption;
  std::span<const MenuItem> items;
};

constexpr CommandId kSeparator{};

constexpr Shortcut Ctrl(char key, const char* text) {
  return {FCONTROL, static_cast<WORD>(key), text};
}
constexpr Shortcut Key(WORD key, const char* text) {
  return {0, key, text};
}

constexpr MenuItem kFile1[] = {
    {CommandId::kNewText, "新規作成(&N)", Ctrl('N', "Ctrl+N")},
    {kSeparator, nullptr, {}},  // N11
    {CommandId::kOpenText, "テキストファイルを開く(&O)", Ctrl('O', "Ctrl+O")},
    {CommandId::kSaveSmallText, "変換前文章を保存(&D)", Ctrl('D', "Ctrl+D")},
    {CommandId::kSaveText, "巨大文字を保存(&S)", Ctrl('S', "Ctrl+S")},
    {kSeparator, nullptr, {}},  // N4
    {CommandId::kExitApp, "終了(&X)", {FALT, VK_F4, "Alt+F4"}},
};

constexpr MenuItem kE1[] = {
    {CommandId::kAllSelectMenu, "すべて選択(&A)", Ctrl('A', "Ctrl+A")},
    {CommandId::kUndoMenu, "元に戻す(&Z)", Ctrl('Z', "Ctrl+Z")},
    {kSeparator, nullptr, {}},  // N2
    {CommandId::kCutMenu, "切り取り(&X)", Ctrl('X', "Ctrl+X")},
    {CommandId::kCopyMenu, "コピー(&C)", Ctrl('C', "Ctrl+C")},
    {CommandId::kPasteMenu, "貼り付け(&V)", Ctrl('V', "Ctrl+V")},
};

constexpr MenuItem kN3[] = {
    {CommandId::kTrance, "巨大文字へ変換(&T)", Key(VK_F5, "F5")},
    {CommandId::kN6, "巨大文字をクリップボードへ(&B)", Key(VK_F6, "F6")},
    {kSeparator, nullptr, {}},  // N10
    {CommandId::kBrowser, "標準ブラウザで確認(&W)", Key(VK_F2, "F2")},
};

constexpr MenuItem kN5[] = {
    {CommandId::kHelp, "ヘルプ(&H)", Key(VK_F1, "F1")},
    {kSeparator, nullptr, {}},  // N9
    {CommandId::kRenewCheckMenu, "更新確認(&K)", {}},
    {CommandId::kBBSMenu, "開発・サポートBBS(&D)", Ctrl('I', "Ctrl+I")},
    {CommandId::kAutoUpdateCheck, "自動更新チェックをする(&Z)", {}},
    {kSeparator, nullptr, {}},  // N8
    {CommandId::kVersionInfo, "バージョン情報(&A)", {}},
};

constexpr Menu kMainMenu1[] = {
    {"ファイル(&F)", kFile1},
    {"編集(&E)", kE1},
    {"変換処理(&T)", kN3},
    {"(ﾟдﾟ)&.", kN5},
};

constexpr MenuItem kPopupMenu1[] = {
    {CommandId::kAllSelect, "すべて選択(&A)", {}},
    {CommandId::kUndo, "元に戻す(&Z)", {}},
    {kSeparator, nullptr, {}},  // N1
    {CommandId::kCut, "切り取り(&X)", {}},
    {CommandId::kCopy, "コピー(&C)", {}},
    {CommandId::kPaste, "貼り付け(&V)", {}},
};

MenuHandle CheckedMenu(HMENU menu) {
  if (!menu) throw LastError();
  return MenuHandle(menu);
}

void Append(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
  if (!::AppendMenuA(menu, flags, id, text)) throw LastError();
}

// The items of `items` appended to `menu`; the shortcut's name stands right of the caption.
void AppendItems(HMENU menu, std::span<const MenuItem> items) {
  for (const MenuItem& item : items) {
    if (!item.caption) {
      Append(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item.caption;
    if (item.shortcut.text) text.append("\t").append(item.shortcut.text);
    Append(menu, MF_STRING, ToWord(item.id), text.c_str());
  }
}

}  // namespace

MenuHandle CreateMainMenu() {
  MenuHandle bar = CheckedMenu(::CreateMenu());
  for (const Menu& menu : kMainMenu1) {
    MenuHandle popup = CheckedMenu(::CreatePopupMenu());
    AppendItems(popup.get(), menu.items);
    Append(bar.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup.get()), menu.caption);
    // The bar owns its submenus from here on.
    popup.Release();
  }
  return bar;
}

MenuHandle CreatePopupMenu1() {
  MenuHandle popup = CheckedMenu(::CreatePopupMenu());
  AppendItems(popup.get(), kPopupMenu1);
  return popup;
}

AcceleratorTable CreateMenuShortcuts() {
  std::vector<ACCEL> shortcuts;
  for (const Menu& menu : kMainMenu1) {
    for (const MenuItem& item : menu.items) {
      if (!item.caption || item.shortcut.key == 0) continue;
      shortcuts.push_back({static_cast<BYTE>(FVIRTKEY | item.shortcut.modifiers), item.shortcut.key,
                           ToWord(item.id)});
    }
  }
  AcceleratorTable table(
      ::CreateAcceleratorTableA(shortcuts.data(), static_cast<int>(shortcuts.size())));
  if (!table) throw LastError();
  return table;
}

}  // namespace tarumo
