#pragma once

// A window's scroller: the scroll position in units, kept within the range.
// Only vertical scrolling is used; the horizontal values are kept so that a
// window can say it has none.

#include <algorithm>

// WM_VSCROLL codes.
inline constexpr unsigned SB_LINEUP = 0;
inline constexpr unsigned SB_LINEDOWN = 1;
inline constexpr unsigned SB_PAGEUP = 2;
inline constexpr unsigned SB_PAGEDOWN = 3;
inline constexpr unsigned SB_THUMBPOSITION = 4;
inline constexpr unsigned SB_THUMBTRACK = 5;
inline constexpr unsigned SB_TOP = 6;
inline constexpr unsigned SB_BOTTOM = 7;

class TScroller {
public:
  TScroller(int xUnit, int yUnit, int xRange, int yRange)
      : XUnit(xUnit), YUnit(yUnit), XRange(std::max(0, xRange)), YRange(std::max(0, yRange)) {}

  // A negative range counts as 0; the position is brought back into range.
  void SetRange(int xRange, int yRange) {
    XRange = std::max(0, xRange);
    YRange = std::max(0, yRange);
    YPos = std::clamp(YPos, 0, YRange);
    XPos = std::clamp(XPos, 0, XRange);
  }
  void ScrollTo(int y) { YPos = std::clamp(y, 0, YRange); }
  void ScrollBy(int dy) { ScrollTo(YPos + dy); }
  // Units a page step moves for a client area of the given height.
  int PageStep(int clientHeight) const {
    return YUnit <= 0 ? 1 : std::max(1, (clientHeight + 1) / YUnit - 1);
  }

  int XUnit, YUnit;
  int XRange, YRange;
  int XPos = 0, YPos = 0;
};
