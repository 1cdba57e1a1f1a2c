#include "app/Win32FileDialogs.h"

#include <commdlg.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "app/ProgramFolder.h"
#include "platform/win32/LastError.h"
#include "platform/win32/LazyLibrary.h"
#include "platform/win32/Win32TextServices.h"

namespace tarumo {
namespace {

using FilterEntry = std::pair<const char*, const char*>;

std::string FilterList(std::initializer_list<FilterEntry> entries) {
  std::string list;
  for (const auto& [description, pattern] : entries) {
    list.append(description).push_back('\0');
    list.append(pattern).push_back('\0');
  }
  list.push_back('\0');
  return list;
}

}  // namespace

FileDialogSettings OpenDialog1Settings() {
  FileDialogSettings settings;
  settings.filter =
      FilterList({{"テキストファイル", "*.txt"}, {"お前が読み込みたいファイル(ﾟДﾟ)", "*.*"}});
  return settings;
}

FileDialogSettings SaveDialog1Settings() {
  FileDialogSettings settings;
  settings.filter = FilterList({{"テキスト形式", "*.txt"}, {"お前が決めた形式(ﾟДﾟ)", "*.*"}});
  settings.defaultExtension = "txt";
  return settings;
}

bool Win32FileDialogs::Execute(FileDialogKind kind, FileDialogState& state) {
  const FileDialogSettings& settings = kind == FileDialogKind::kOpen ? open_ : save_;
  std::vector<char> name(MAX_PATH, '\0');
  state.fileName.copy(name.data(), name.size() - 1);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = settings.filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(state.filterIndex);
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrDefExt =
      settings.defaultExtension.empty() ? nullptr : settings.defaultExtension.c_str();
  dialog.Flags = settings.options;
  // The dialogs' library is loaded when a dialog is first shown.
  const auto show =
      kind == FileDialogKind::kOpen
          ? LazyFunction<decltype(::GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA")
          : LazyFunction<decltype(::GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
  if (!show) throw LastError();
  const BOOL confirmed = show(&dialog);
  if (!confirmed) return false;

  state.fileName = name.data();
  state.filterIndex = static_cast<int>(dialog.nFilterIndex);
  // The chosen file's folder becomes the current directory, whatever the dialog itself did.
  // The folder keeps its last backslash, so a drive's root stays the root.
  const std::string folder = ProgramFolderOf(state.fileName, Win32TextServices());
  if (!folder.empty()) ::SetCurrentDirectoryA(folder.c_str());
  return true;
}

}  // namespace tarumo
