// The main window's open and save dialogs, and what they remember between uses.
#pragma once

#include <string>

namespace tarumo {

// What a dialog offers the next time it opens: the name last chosen in it and the filter
// entry (counted from 1) that was selected when it was last confirmed.
struct FileDialogState {
  std::string fileName;
  int filterIndex = 1;
};

enum class FileDialogKind { kOpen, kSave };

// The dialogs' filters as caption|pattern pairs, and the save dialog's default extension,
// added to a name typed without one.
inline constexpr const char* kOpenDialogFilter =
    "テキストファイル|*.txt|お前が読み込みたいファイル(ﾟДﾟ)|*.*";
inline constexpr const char* kSaveDialogFilter = "テキスト形式|*.txt|お前が決めた形式(ﾟДﾟ)|*.*";
inline constexpr const char* kSaveDialogDefaultExtension = "txt";

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // Shows the dialog of `kind`, offering `state`. When the user confirms, the chosen name and
  // filter entry go into `state` and the result is true; on Cancel `state` stays as it was.
  // Confirming makes the chosen file's folder the current directory.
  virtual bool Execute(FileDialogKind kind, FileDialogState& state) = 0;
};

}  // namespace tarumo
