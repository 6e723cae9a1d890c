#pragma once

// Painting while the program waits for a DDE partner: the window system's
// paint, expose and geometry events are handled, so that the windows do not
// go blank, and nothing else reaches the program. User input is held back
// and delivered, in the order it came, once the wait is over; Escape alone
// is taken at once, as the user's wish to stop waiting. Socket
// notifications stay queued; a close request from the window system is held
// back and made again once the wait is over, so that no command or close
// runs inside the code that is waiting.

#include <QObject>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

class QEvent;

class WaitPainter : public QObject {
public:
  // Handles what is pending for painting, once; true when the user pressed
  // Escape meanwhile.
  bool PaintPending();
  // Whether PaintPending is running (the program is waiting).
  bool Waiting() const { return waiting_; }

protected:
  bool eventFilter(QObject *object, QEvent *event) override;

private:
  bool waiting_ = false;
  bool escape_ = false;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> heldInput_;
};
