#pragma once

// Screen readers and the windows that draw text themselves: the paint area
// of a window with readable parts (the verse window) is a read-only
// document whose text is those parts joined, with one paragraph child per
// part, so that a reader can read it whole or move part by part. The text
// is asked of the window each time, so it is never stale; a change is
// announced to the assistive technologies.

class QWidget;
class TWindow;

// Makes area, the paint surface of window, a readable document. Called
// before any assistive technology can ask for the area.
void MakeReadable(QWidget *area, TWindow &window);

// The window is going away: its area, which may outlive it a little, reads
// as empty from now on.
void ForgetReadable(QWidget *area);

// Announces that the window's readable parts changed.
void AnnounceReadableChange(QWidget *area);
