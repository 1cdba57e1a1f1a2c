// What the file commands need of an editor of the main window.
#pragma once

#include <string>

namespace tarumo {

class TextEditor {
 public:
  virtual ~TextEditor() = default;

  // The whole text, line breaks included, as the editor holds it.
  virtual std::string Text() = 0;

  // Replaces the whole text. Raises Error("文字列の大きさが メモ の制限を越えました") when the
  // editor cannot take it, and then keeps its previous text.
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace tarumo
