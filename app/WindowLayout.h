// The main window's geometry in pixels: where every control sits, and the sizing rule.
#pragma once

namespace tarumo::layout {

struct Bounds {
  int left;
  int top;
  int width;
  int height;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

struct Size {
  int width;
  int height;
  friend bool operator==(const Size&, const Size&) = default;
};

// The client area when the window is created.
inline constexpr Size kInitialClient{625, 465};

// Control bounds within the client area.
inline constexpr Bounds kMemoIn{0, 0, 425, 73};
inline constexpr Bounds kButton1{432, 8, 81, 25};
inline constexpr Bounds kButton2{432, 40, 81, 25};
inline constexpr Bounds kLabel1{528, 43, 24, 12};
inline constexpr Bounds kBlankLine{560, 40, 33, 20};
inline constexpr Bounds kBlankLineUD{593, 40, 16, 20};
inline constexpr Bounds kMemoOutInitial{8, 80, 617, 377};

// The status bar lies along the bottom edge; its first panel is this wide, the second takes
// the rest.
inline constexpr int kStatusBarHeight = 19;
inline constexpr int kProgressPanelWidth = 50;

// The outer size the window is corrected to: a width below 600 becomes 620, a height below 200
// becomes 200. A size that is large enough comes back unchanged.
Size CorrectedOuterSize(Size outer);

// Where the output editor goes in a client area of `client`: from (0, 80) over the full width,
// ending 16 pixels above the bottom.
Bounds MemoOutBounds(Size client);

// Where the status bar goes: along the bottom edge over the full width.
Bounds StatusBarBounds(Size client);

}  // namespace tarumo::layout
