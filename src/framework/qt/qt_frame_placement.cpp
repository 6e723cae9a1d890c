#include "framework/qt/qt_frame_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QObject>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace {

// Where the window was placed, kept on the window itself.
constexpr char PlacedAt[] = "selwarthPlacedAt";

QMargins FrameMargins(const QWidget *window) {
  QWindow *handle = window->windowHandle();
  return handle != nullptr ? handle->frameMargins() : QMargins();
}

// Watches a window's borders and keeps its frame size when they change.
class FrameKeeper : public QObject {
public:
  explicit FrameKeeper(QWidget *window) : QObject(window), window_(window) {}

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
      KeepFrameSize();
      break;
    default:
      break;
    }
    return QObject::eventFilter(watched, event);
  }

private:
  void KeepFrameSize() {
    QMargins margins = FrameMargins(window_);
    if (margins == margins_ || window_->isMaximized() || window_->isFullScreen())
      return;
    // The frame was the client area and the old borders.
    QSize frame = window_->size().grownBy(margins_);
    margins_ = margins;
    window_->resize(frame.shrunkBy(margins));
  }

  QWidget *window_;
  QMargins margins_;
};

// Whether windows on this platform can know and choose their position.
bool WindowsHavePositions() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void PlaceFrame(QWidget *window, const QRect &frame) {
  // Before the window is shown, Qt takes a move as the frame's position.
  window->move(frame.topLeft());
  window->resize(frame.size());
  window->setProperty(PlacedAt, frame.topLeft());
  window->installEventFilter(new FrameKeeper(window));
}

QRect SavedFrame(const QWidget *window) {
  QRect frame = window->frameGeometry();
  QVariant placed = window->property(PlacedAt);
  if (WindowsHavePositions() || !placed.isValid())
    return frame;
  return QRect(placed.toPoint(), frame.size());
}
