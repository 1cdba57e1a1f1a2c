#include "documents/PreviewPage.h"

namespace tarumo {
namespace {

constexpr const char* kHead[] = {
    "<html lang=\"ja\">",
    "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=shift_jis\"></head>",
    "<body bgcolor=\"#efefef\">",
};
constexpr const char* kClosing = "</body></html>";
constexpr const char* kLineEnd = "<br>";
constexpr const char* kPostBreak = "<hr>";

}  // namespace

std::vector<std::string> PreviewPageHead() {
  return {std::begin(kHead), std::end(kHead)};
}

std::string PreviewPageLine(const std::string& giantLine) {
  return giantLine + kLineEnd;
}

std::string PreviewPageClosing() {
  return kClosing;
}

std::string PreviewPagePostBreak() {
  return kPostBreak;
}

std::vector<std::string> PreviewPageLines(const std::vector<std::string>& giantLines) {
  std::vector<std::string> page = PreviewPageHead();
  page.reserve(giantLines.size() + 4);
  for (const auto& line : giantLines) page.push_back(PreviewPageLine(line));
  page.push_back(PreviewPageClosing());
  return page;
}

}  // namespace tarumo
