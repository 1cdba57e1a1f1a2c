#include "documents/BrowserPreview.h"

#include "common/Error.h"
#include "common/TextLines.h"
#include "documents/PreviewPage.h"
#include "documents/TextFiles.h"

namespace tarumo {

std::optional<std::string> BrowserPreview::PagePath() const {
  // Without a temporary folder the page would land in the current directory; it goes nowhere.
  const auto folder = temp_.Path();
  if (!folder) return std::nullopt;
  return *folder + kPreviewPageName;
}

void BrowserPreview::BrowserClick() {
  const auto path = PagePath();
  if (!path) throw Error(FormatText(messages::kCannotCreateFile, kPreviewPageName));
  WriteTextFile(*path, PreviewPageLines(SplitLines(output_.Text())), writer_);
  shell_.Open(*path);
}

void BrowserPreview::FormClose() {
  if (const auto path = PagePath()) writer_.Remove(*path);
}

}  // namespace tarumo
