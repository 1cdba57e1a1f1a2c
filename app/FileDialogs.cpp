#include "app/FileDialogs.h"

#include <initializer_list>
#include <utility>

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

}  // namespace tarumo
