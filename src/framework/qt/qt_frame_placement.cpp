#include "framework/qt/qt_frame_placement.h"

#include <QApplication>
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
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>
#ifdef SELWARTH_XCB
#include <xcb/xcb.h>
#endif

namespace {

// Where the window was placed, kept on the window itself.
constexpr char PlacedAt[] = "selwarthPlacedAt";

QMargins FrameMargins(const QWidget *window) {
  QWindow *handle = window->windowHandle();
  return handle != nullptr ? handle->frameMargins() : QMargins();
}

#ifdef SELWARTH_XCB
// The borders an X window manager drew around window, in the screen's
// pixels, as it announces them (_NET_FRAME_EXTENTS); none when it does not.
std::optional<QMargins> ScreenPixelBorders(const QWidget *window) {
  auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t *x = x11 != nullptr ? x11->connection() : nullptr;
  if (x == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
    return std::nullopt;
  static constexpr char name[] = "_NET_FRAME_EXTENTS";
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(x, xcb_intern_atom(x, 1, sizeof name - 1, name), nullptr), &std::free);
  if (atom == nullptr || atom->atom == XCB_NONE)
    return std::nullopt;
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> extents(
      xcb_get_property_reply(x,
                             xcb_get_property(x, 0, static_cast<xcb_window_t>(window->winId()),
                                              atom->atom, XCB_ATOM_CARDINAL, 0, 4),
                             nullptr),
      &std::free);
  if (extents == nullptr || xcb_get_property_value_length(extents.get()) != 16)
    return std::nullopt;
  const auto *side = static_cast<const std::uint32_t *>(xcb_get_property_value(extents.get()));
  return QMargins(static_cast<int>(side[0]), static_cast<int>(side[2]), static_cast<int>(side[1]),
                  static_cast<int>(side[3]));
}
#else
std::optional<QMargins> ScreenPixelBorders(const QWidget *) {
  return std::nullopt;
}
#endif

// Whether windows on this platform can know and choose their position.
bool WindowsHavePositions() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Keeps a window's frame at the size it was given whenever its borders
// change, and knows the frame's size to save.
//
// Where a pixel of the window is several of the screen (QT_SCALE_FACTOR=2)
// Qt gives the borders in the window's pixels, rounded, and places the
// window by the rounded position of its client area: borders of an odd
// number of screen pixels would shrink the frame and shift it a pixel. The
// client's size is therefore worked out from the borders in screen pixels
// where the window manager says them, and the frame is put back where it
// was after each change of size.
class FrameKeeper : public QObject {
public:
  FrameKeeper(QWidget *window, QSize frame)
      : QObject(window), window_(window), asked_(frame), frame_(frame) {}

  // The frame's size: the one given while the window keeps the size it was
  // asked for, else the window's size with the borders that size was made
  // for (a window closed before the borders came is still the frame given).
  QSize FrameSize() const { return Asked(window_->size()) ? frame_ : FrameOf(window_->size()); }

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
      ratio_ = window_->devicePixelRatioF();
      borders_ = ScreenPixelBorders(window_).value_or(margins * ratio_);
      const QPoint at = window_->pos();
      Ask(ClientSize(frame_));
      if (WindowsHavePositions() && window_->windowHandle() != nullptr)
        window_->windowHandle()->setFramePosition(at);
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
    frame_ = FrameOf(size);
  }

  // The frame a client of size makes with the borders; half a pixel of the
  // window's or more counts as one.
  QSize FrameOf(QSize size) const {
    auto frame = [&](int client, int borders) {
      return static_cast<int>(std::floor((client * ratio_ + borders) / ratio_ + 0.5));
    };
    return {frame(size.width(), borders_.left() + borders_.right()),
            frame(size.height(), borders_.top() + borders_.bottom())};
  }

  // The client size that makes the frame with the borders: as large as
  // fits in it, where the borders leave part of a window's pixel.
  QSize ClientSize(QSize frame) const {
    auto client = [&](int side, int borders) {
      return static_cast<int>(std::floor((side * ratio_ - borders) / ratio_ + 1e-9));
    };
    return {client(frame.width(), borders_.left() + borders_.right()),
            client(frame.height(), borders_.top() + borders_.bottom())};
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
  QMargins margins_; // the borders the size asked for was made for, as Qt says them
  QMargins borders_; // the same borders in the screen's pixels
  qreal ratio_ = 1;  // the screen's pixels to one of the window's
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

namespace {

// The height of an X window manager's title bar, in the screen's pixels:
// its border above the window, as drawn around the window, else around the
// window's owner or another window of the program, else a guess from the
// font.
int TitleBarHeight(const QWidget *window) {
  std::vector<const QWidget *> framed = {window};
  if (window->parentWidget() != nullptr)
    framed.push_back(window->parentWidget()->window());
  for (const QWidget *other : QApplication::topLevelWidgets())
    if (other->isVisible())
      framed.push_back(other);
  for (const QWidget *candidate : framed)
    if (std::optional<QMargins> borders = ScreenPixelBorders(candidate);
        borders && borders->top() > 0)
      return borders->top();
  return static_cast<int>(
      std::ceil(2 * QFontMetrics(QGuiApplication::font()).height() * window->devicePixelRatioF()));
}

// The width the title bar of an X window manager needs to show the title
// whole. It draws the title in a font of the desktop's (commonly its font
// made bold) centred over the bar, between the window's icon on one side
// and its buttons on the other, each about as wide as the bar is high: so
// the room of the three buttons is kept on both sides.
int X11TitleWidth(const QWidget *window, const QString &title) {
  QFont bold = QGuiApplication::font();
  bold.setBold(true);
  const qreal ratio = window->devicePixelRatioF();
  const int text = QFontMetrics(bold).horizontalAdvance(title) + 2; // and its shadow
  constexpr int Buttons = 3;
  return static_cast<int>(std::ceil((text * ratio + 2 * Buttons * TitleBarHeight(window)) / ratio));
}

} // namespace

int TitleWidth(const QWidget *window, const QString &title) {
  if (QGuiApplication::platformName() == QLatin1String("xcb"))
    return X11TitleWidth(window, title);
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
