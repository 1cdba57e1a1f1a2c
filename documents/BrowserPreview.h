// The browser preview of the giant text, and the removal of its page when the window closes.
#pragma once

#include <optional>
#include <string>

#include "documents/TextEditor.h"
#include "platform/FileWriter.h"
#include "platform/Shell.h"
#include "platform/TempDirectory.h"

namespace tarumo {

class BrowserPreview {
 public:
  BrowserPreview(TextEditor& output, const TempDirectory& temp, FileWriter& writer, Shell& shell)
      : output_(output), temp_(temp), writer_(writer), shell_(shell) {}

  // Writes the page of the output editor's lines into the temporary folder and hands it to
  // the shell. Raises the writer's errors, and then opens nothing; without a temporary folder
  // raises Error("ファイル ___tarumo.html を作成できません").
  void BrowserClick();

  // Deletes the page, if there is one; never fails. The window goes on closing.
  void FormClose();

 private:
  std::optional<std::string> PagePath() const;

  TextEditor& output_;
  const TempDirectory& temp_;
  FileWriter& writer_;
  Shell& shell_;
};

}  // namespace tarumo
