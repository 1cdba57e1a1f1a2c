#include "conversion/RowSetFitter.h"

#include <algorithm>

#include "conversion/LineBreakRules.h"

namespace tarumo {

const std::vector<CharacterRange>& RowSetFitter::Fit(std::span<const LineCharacter> characters) {
  ranges_.clear();
  const std::size_t n = characters.size();
  if (maxWidth_ <= 0 || n == 0) {
    ranges_.push_back({0, n});
    return ranges_;
  }

  classes_.resize(n);
  widthBefore_.resize(n + 1);
  rowEnd_.resize(n + 1);
  nextStart_.resize(n + 1);
  lastAllowed_.resize(n + 1);
  lastPreferred_.resize(n + 1);
  widthBefore_[0] = 0;
  rowEnd_[0] = 0;
  for (std::size_t p = 1; p <= n; ++p) {
    classes_[p - 1] = BreakClassesOf(characters[p - 1].text);
    widthBefore_[p] = widthBefore_[p - 1] + characters[p - 1].width;
    rowEnd_[p] = classes_[p - 1] & kBlank ? rowEnd_[p - 1] : p;
  }
  if (widthBefore_[n] <= maxWidth_) {  // the line fits: nothing to weigh
    ranges_.push_back({0, n});
    return ranges_;
  }
  nextStart_[n] = n;
  for (std::size_t p = n; p-- > 0;) nextStart_[p] = classes_[p] & kBlank ? nextStart_[p + 1] : p;
  // Position 0 stands for "none": every break lies after at least one character.
  lastAllowed_[0] = lastPreferred_[0] = 0;
  for (std::size_t p = 1; p <= n; ++p) {
    const std::size_t end = rowEnd_[p];
    const std::size_t next = nextStart_[p];
    const std::uint8_t last = end > 0 ? classes_[end - 1] : 0;
    // rowEnd_ is 0 when only the line's leading blanks lie before the break: a closing mark
    // after them closes nothing in the row set before.
    const bool allowed =
        next == n || end == 0 || !(last & kOpeningMark || classes_[next] & kClosingMark);
    const bool preferred = end > 0 && (next > end || last & kPhraseEnd);
    lastAllowed_[p] = allowed ? p : lastAllowed_[p - 1];
    lastPreferred_[p] = allowed && preferred ? p : lastPreferred_[p - 1];
  }

  std::size_t start = 0;
  std::size_t fits = 0;  // one past the last character that fits after `start`
  for (;;) {
    // A character wider than the limit fits on its own.
    fits = std::max(fits, start + 1);
    while (fits < n && widthBefore_[fits + 1] - widthBefore_[start] <= maxWidth_) ++fits;
    if (fits == n) {
      ranges_.push_back({start, n});
      break;
    }
    const auto widthTo = [&](std::size_t p) { return widthBefore_[p] - widthBefore_[start]; };
    std::size_t cut = lastPreferred_[fits];
    if (cut <= start || 3 * widthTo(cut) < 2 * widthTo(fits)) {
      // As many as fit without breaking a mark rule; when every break in reach breaks one,
      // as many as fit.
      cut = lastAllowed_[fits] > start ? lastAllowed_[fits] : fits;
    }
    // A row of nothing but the line's leading blanks keeps them.
    ranges_.push_back({start, rowEnd_[cut] > start ? rowEnd_[cut] : cut});
    start = nextStart_[cut];
    if (start == n) break;
  }
  return ranges_;
}

}  // namespace tarumo
