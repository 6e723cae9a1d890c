#pragma once

// Where the passage window opens: beside the window the user was working
// in when the passage was asked for (the program's main window, whose
// Links menu asked), so that the passage does not cover it. The server is
// a process of its own and learns of that window from the desktop: on X11
// the window manager names the active window (_NET_ACTIVE_WINDOW). Without
// one the window opens in the middle of the screen under the pointer; on
// Wayland, where a client cannot place its windows, the compositor places
// it.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace concordance {

// The frame of a window of frame size beside anchor, the frame of another
// window, on the screen's area: right of it where it fits, else left of
// it, else against the screen's edge on the side with more room; its top
// at the anchor's, moved up as far as the screen's bottom needs.
QRect PlaceBeside(const QRect &anchor, const QSize &size, const QRect &screen);

// The frame of the desktop's active window, in the application's pixels,
// with the borders its window manager drew around it; none where the
// desktop does not say (not X11, no window manager, no active window).
struct ActiveFrame {
  QRect frame;
  QMargins borders;
};
std::optional<ActiveFrame> ActiveWindowFrame();

// Moves window, not shown yet, to open beside the active window (see above).
void PlaceBesideActiveWindow(QWidget &window);

} // namespace concordance
