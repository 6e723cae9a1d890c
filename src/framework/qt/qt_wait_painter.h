#pragma once

// Painting while the program waits for a DDE partner: the window system's
// paint, expose and geometry events are handled, so that the windows do not
// go blank, and nothing else reaches the program. User input and socket
// notifications stay queued; a close request from the window system is held
// back and made again once the wait is over, so that no command or close
// runs inside the code that is waiting.

#include <QObject>

class WaitPainter : public QObject {
public:
  // Handles what is pending for painting, once.
  void PaintPending();
  // Whether PaintPending is running (the program is waiting).
  bool Waiting() const { return waiting_; }

protected:
  bool eventFilter(QObject *object, QEvent *event) override;

private:
  bool waiting_ = false;
};
