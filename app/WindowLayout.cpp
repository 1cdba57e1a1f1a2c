#include "app/WindowLayout.h"

namespace tarumo::layout {
namespace {

constexpr int kNarrowestWidth = 600;
constexpr int kWidthWhenTooNarrow = 620;
constexpr int kLowestHeight = 200;
constexpr int kMemoOutTop = 80;
constexpr int kMemoOutBottomGap = 16;

}  // namespace

Size CorrectedOuterSize(Size outer) {
  if (outer.width < kNarrowestWidth) outer.width = kWidthWhenTooNarrow;
  if (outer.height < kLowestHeight) outer.height = kLowestHeight;
  return outer;
}

Bounds MemoOutBounds(Size client) {
  return {0, kMemoOutTop, client.width, client.height - kMemoOutTop - kMemoOutBottomGap};
}

Bounds StatusBarBounds(Size client) {
  return {0, client.height - kStatusBarHeight, client.width, kStatusBarHeight};
}

}  // namespace tarumo::layout
