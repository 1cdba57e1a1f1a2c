#include "documents/DocumentCommands.h"

#include "common/TextLines.h"
#include "documents/CommandLine.h"
#include "documents/TextFiles.h"
#include "documents/TextFormat.h"

namespace tarumo {
namespace {

constexpr const char* kQuestionCaption = "[ﾟдﾟ]";
constexpr const char* kNewQuestion = "マジで？";
constexpr const char* kSaveQuestion = "書きかけの文章（巨大文字じゃない方）は保存する？";

// Finishes a drop when the handler is left, whichever way.
class DropFinisher {
 public:
  explicit DropFinisher(DropList& drop) noexcept : drop_(drop) {}
  ~DropFinisher() { drop_.Finish(); }
  DropFinisher(const DropFinisher&) = delete;
  DropFinisher& operator=(const DropFinisher&) = delete;

 private:
  DropList& drop_;
};

}  // namespace

void DocumentCommands::NewTextClick() {
  if (!HoldsText(s_.input.Text())) return;
  if (s_.boxes.Show(kNewQuestion, kQuestionCaption, MessageButtons::kYesNo) !=
      MessageAnswer::kYes) {
    return;
  }
  s_.input.SetText("");
  s_.output.SetText("");
}

bool DocumentCommands::OfferToSaveInput() {
  if (!HoldsText(s_.input.Text())) return true;
  switch (s_.boxes.Show(kSaveQuestion, kQuestionCaption, MessageButtons::kYesNoCancel)) {
    case MessageAnswer::kYes:
      // A cancelled save dialog saves nothing, and the command still goes on.
      SaveSmallTextClick();
      return true;
    case MessageAnswer::kNo:
      return true;
    default:
      return false;
  }
}

void DocumentCommands::OpenTextClick() {
  if (!OfferToSaveInput()) return;
  if (!s_.dialogs.Execute(FileDialogKind::kOpen, openDialog_)) return;
  LoadTextFile(openDialog_.fileName, s_.files, s_.input);
}

void DocumentCommands::SaveSmallTextClick() {
  if (!s_.dialogs.Execute(FileDialogKind::kSave, saveDialog_)) return;
  WriteSmallText();
}

void DocumentCommands::WriteSmallText() {
  WriteTextFile(saveDialog_.fileName, SplitLines(s_.input.Text()), s_.writer);
}

void DocumentCommands::SaveTextClick() {
  if (!s_.dialogs.Execute(FileDialogKind::kSave, saveDialog_)) return;
  WriteTextFile(saveDialog_.fileName, SplitLines(s_.output.Text()), s_.writer);
}

void DocumentCommands::ExitAppClick() {
  s_.preview.FormClose();
  s_.exit.Exit(0);
}

void DocumentCommands::FormDropFiles(DropList& drop) {
  DropFinisher finisher(drop);
  const unsigned count = drop.Count();
  if (!OfferToSaveInput()) return;
  // Each name takes the place of the one before: the last file of the drop is loaded.
  std::string name;
  for (unsigned index = 0; index < count; ++index) name = drop.Name(index);
  LoadTextFile(name, s_.files, s_.input);
}

void DocumentCommands::LoadCommandLineFile(std::string_view commandLine) {
  if (const auto file = FirstArgument(commandLine)) LoadTextFile(*file, s_.files, s_.input);
}

}  // namespace tarumo
