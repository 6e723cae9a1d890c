#pragma once

// Painting while the program waits for a DDE partner: the window system's
// paint, expose and geometry events are handled, so that the windows do not
// go blank, and nothing else reaches the program. User input is held back
// and delivered, in the order it came, once the wait is over; Escape alone
// is taken at once, as the user's wish to stop waiting. Socket
// notifications stay queued. A close request from the window system is
// held back, so that no close runs inside the code that is waiting: the main
// window's ends the program (the wait ends, and the program closes once the
// waiting code has returned), another window's is made again once the wait
// is over.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QWidget;

class WaitPainter : public QObject {
public:
  // endsProgram takes the window system's close of a window when it ends
  // the program (true), and then closes it itself.
  explicit WaitPainter(std::function<bool(QWidget *)> endsProgram);
  ~WaitPainter() override;

  // Handles what is pending for painting, once; true when the user pressed
  // Escape meanwhile.
  bool PaintPending();
  // Whether PaintPending is running (the program is waiting).
  bool Waiting() const { return waiting_; }

protected:
  bool eventFilter(QObject *object, QEvent *event) override;

private:
  std::function<bool(QWidget *)> endsProgram_;
  bool waiting_ = false;
  bool escape_ = false;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> heldInput_;
};
