#include "framework/qt/qt_frame_placement.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMargins>
#include <QObject>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Where the window was placed, kept on the window itself.
constexpr char PlacedAt[] = "selwarthPlacedAt";

QMargins FrameMargins(const QWidget *window) {
  QWindow *handle = window->windowHandle();
  return handle != nullptr ? handle->frameMargins() : QMargins();
}

// Whether windows on this platform can know and choose their position.
bool WindowsHavePositions() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Keeps a window's frame at the size it was given whenever its borders
// change, and knows the frame's size to save.
class FrameKeeper : public QObject {
public:
  FrameKeeper(QWidget *window, QSize frame)
      : QObject(window), window_(window), asked_(frame), frame_(frame) {}

  // The frame's size: the one given while the window keeps the size it was
  // asked for, else the window's size with the borders that size was made
  // for (a window closed before the borders came is still the frame given).
  QSize FrameSize() const {
    if (Asked(window_->size()))
      return frame_;
    return window_->size().grownBy(margins_);
  }

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
    if (window_->isMaximized() || window_->isFullScreen())
      return;
    QMargins margins = FrameMargins(window_);
    QSize size = window_->size();
    if (margins != margins_) {
      frame_ = FrameSize();
      margins_ = margins;
      Ask(frame_.shrunkBy(margins));
      return;
    }
    if (size == asked_)
      return;
    if (Asked(size)) {
      window_->resize(asked_);
      return;
    }
    // The user's size.
    asked_ = size;
    frame_ = size.grownBy(margins_);
  }

  // Whether size is the one asked for. A Wayland compositor hands the size
  // back with each configure, and where the borders are an odd number of
  // device pixels (at a scale of 2) it comes back a pixel larger each time.
  bool Asked(QSize size) const {
    QSize off = size - asked_;
    if (WindowsHavePositions())
      return off.isNull();
    return std::abs(off.width()) <= 1 && std::abs(off.height()) <= 1;
  }

  void Ask(QSize size) {
    asked_ = size;
    window_->resize(size);
  }

  QWidget *window_;
  QMargins margins_; // the borders the size asked for was made for
  QSize asked_;      // the size the window was last given
  QSize frame_;      // the frame that size makes with those borders
};

} // namespace

void PlaceFrame(QWidget *window, const QRect &frame) {
  // Before the window is shown, Qt takes a move as the frame's position.
  window->move(frame.topLeft());
  window->resize(frame.size());
  window->setProperty(PlacedAt, frame.topLeft());
  window->installEventFilter(new FrameKeeper(window, frame.size()));
}

QRect SavedFrame(const QWidget *window) {
  QRect frame = window->frameGeometry();
  for (QObject *child : window->children())
    if (auto *keeper = dynamic_cast<FrameKeeper *>(child))
      frame.setSize(keeper->FrameSize());
  QVariant placed = window->property(PlacedAt);
  if (WindowsHavePositions() || !placed.isValid())
    return frame;
  return QRect(placed.toPoint(), frame.size());
}

int TitleWidth(const QWidget *window, const QString &title) {
  if (WindowsHavePositions())
    return 0;
  // The title is measured in the application's font and drawn in 14 pixels.
  QFont drawn = QGuiApplication::font();
  drawn.setPixelSize(14);
  int text = std::max(QFontMetrics(QGuiApplication::font()).horizontalAdvance(title),
                      QFontMetrics(drawn).horizontalAdvance(title));
  constexpr int ButtonsSide = 77; // both sides, as the title is centred
  return static_cast<int>(std::ceil((text + 2 * ButtonsSide) / window->devicePixelRatioF()));
}
