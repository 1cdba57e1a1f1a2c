// The help file, the support page and the version message.
#pragma once

#include <string>

#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace tarumo {

// Named without a folder, so the shell looks for it in the current directory.
inline constexpr const char* kHelpFile = "readme.txt";

// The version message: the program's name and version, an empty line, its makers.
inline constexpr const char* kVersionMessage =
    "巨大文字作成ツール　－タルモPART2－ ver0.55\n\n作者: tarumo2 開発チーム";
inline constexpr const char* kVersionTitle = "バージョン情報";

// Opens readme.txt with the application for its type.
void HelpClick(Shell& shell);

// Opens the support page at `supportUrl` in the default browser; checks nothing.
void BBSMenuClick(Shell& shell, const std::string& supportUrl);

// Shows the version message with one OK button.
void VersionInfoClick(MessageBoxes& boxes);

}  // namespace tarumo
