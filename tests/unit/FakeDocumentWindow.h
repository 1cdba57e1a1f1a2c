// The parts of the main window that the file commands use: editors, dialogs, a drop.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/Error.h"
#include "documents/FileDialogs.h"
#include "documents/TextEditor.h"
#include "platform/DropList.h"

namespace tarumo::testing {

class FakeTextEditor final : public TextEditor {
 public:
  std::string text;
  int setTextCalls = 0;
  std::size_t limit = std::string::npos;  // a longer text is refused as the control would

  std::string Text() override { return text; }
  void SetText(const std::string& value) override {
    ++setTextCalls;
    if (value.size() > limit) throw Error(messages::kTextTooLargeForMemo);
    text = value;
  }
};

class FakeFileDialogs final : public FileDialogs {
 public:
  struct Shown {
    FileDialogKind kind;
    FileDialogState offered;
  };
  // One per dialog in order: the name and filter chosen, or nothing for Cancel.
  std::deque<std::optional<FileDialogState>> choices;
  std::vector<Shown> shown;

  bool Execute(FileDialogKind kind, FileDialogState& state) override {
    shown.push_back({kind, state});
    if (choices.empty()) {
      ADD_FAILURE() << "unexpected dialog";
      return false;
    }
    const auto choice = choices.front();
    choices.pop_front();
    if (!choice) return false;
    state = *choice;
    return true;
  }
};

class FakeDropList final : public DropList {
 public:
  explicit FakeDropList(std::vector<std::string> names) : names_(std::move(names)) {}

  std::vector<unsigned> queried;
  int finished = 0;

  unsigned Count() override { return static_cast<unsigned>(names_.size()); }
  std::string Name(unsigned index) override {
    queried.push_back(index);
    return names_.at(index);
  }
  void Finish() noexcept override { ++finished; }

 private:
  std::vector<std::string> names_;
};

}  // namespace tarumo::testing
