#pragma once

// Where a main window opens and what is saved of it: its frame (title bar
// and borders included), the same rectangle both ways, so that a window
// closed at a place and size opens at that place and size again.
//
// The size of the borders is known only once the window manager has framed
// the window (or the compositor's decorations are drawn); until then Qt
// sizes the client area. The frame is therefore kept at the size it was
// given whenever the borders change. On Wayland a client can neither know
// nor choose where its window is: the position it was given is kept as the
// one to save.

#include <QRect>
#include <QString>

class QWidget;

// Places a top-level window that is not shown yet with its frame at frame.
void PlaceFrame(QWidget *window, const QRect &frame);

// The frame's rectangle as it is to be saved.
QRect SavedFrame(const QWidget *window);

// The width a window needs for its title to show whole. On Wayland, where
// the compositor draws no title bars, Qt draws one in the window's surface:
// the title centred over it and cut short where its three buttons begin, 77
// pixels of the screen from its right edge. On X11 the window manager
// draws it, centred too, in a font of its own and with the room of its
// buttons on both sides: an estimate on the large side. Offscreen: 0.
int TitleWidth(const QWidget *window, const QString &title);
