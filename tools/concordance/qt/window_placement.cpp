#include "window_placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#ifdef SELWARTH_XCB
#include <xcb/xcb.h>
#endif

namespace concordance {
namespace {

// The room left between the two windows.
constexpr int Gap = 8;

#ifdef SELWARTH_XCB
template <typename T> using XReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t *x, const char *name) {
  XReply<xcb_intern_atom_reply_t> atom(
      xcb_intern_atom_reply(
          x, xcb_intern_atom(x, 1, static_cast<std::uint16_t>(strlen(name)), name), nullptr),
      &std::free);
  return atom != nullptr ? atom->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Up to count 32-bit values of a window's property; fewer when it has fewer.
std::vector<std::uint32_t> Property(xcb_connection_t *x, xcb_window_t window, const char *name,
                                    xcb_atom_t type, std::uint32_t count) {
  const xcb_atom_t atom = Atom(x, name);
  if (atom == XCB_ATOM_NONE)
    return {};
  XReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(x, xcb_get_property(x, 0, window, atom, type, 0, count), nullptr),
      &std::free);
  if (reply == nullptr || reply->format != 32)
    return {};
  const auto *values = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
  const int length = xcb_get_property_value_length(reply.get()) / 4;
  return std::vector<std::uint32_t>(values, values + std::min<int>(length, count));
}
#endif

} // namespace

QRect PlaceBeside(const QRect &anchor, const QSize &size, const QRect &screen) {
  const int rightRoom = screen.right() - anchor.right() - Gap;
  const int leftRoom = anchor.left() - screen.left() - Gap;
  int x = 0;
  if (rightRoom >= size.width())
    x = anchor.right() + 1 + Gap;
  else if (leftRoom >= size.width())
    x = anchor.left() - Gap - size.width();
  else if (rightRoom >= leftRoom)
    x = screen.right() + 1 - size.width();
  else
    x = screen.left();
  const int y = std::max(screen.top(), std::min(anchor.top(), screen.bottom() + 1 - size.height()));
  return QRect(QPoint(std::max(screen.left(), x), y), size);
}

std::optional<ActiveFrame> ActiveWindowFrame() {
#ifdef SELWARTH_XCB
  auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t *x = x11 != nullptr ? x11->connection() : nullptr;
  if (x == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
    return std::nullopt;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const std::vector<std::uint32_t> active =
      Property(x, root, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW, 1);
  if (active.empty() || active.front() == XCB_WINDOW_NONE)
    return std::nullopt;
  const xcb_window_t window = active.front();
  XReply<xcb_get_geometry_reply_t> size(
      xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr), &std::free);
  XReply<xcb_translate_coordinates_reply_t> at(
      xcb_translate_coordinates_reply(x, xcb_translate_coordinates(x, window, root, 0, 0), nullptr),
      &std::free);
  if (size == nullptr || at == nullptr)
    return std::nullopt;
  std::vector<std::uint32_t> sides =
      Property(x, window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL, 4);
  sides.resize(4, 0); // left, right, top, bottom; none known: no borders
  const qreal ratio = qGuiApp->devicePixelRatio();
  auto logical = [&](int pixels) { return static_cast<int>(pixels / ratio); };
  const QMargins borders(logical(static_cast<int>(sides[0])), logical(static_cast<int>(sides[2])),
                         logical(static_cast<int>(sides[1])), logical(static_cast<int>(sides[3])));
  const QRect client(logical(at->dst_x), logical(at->dst_y), logical(size->width),
                     logical(size->height));
  return ActiveFrame{client.marginsAdded(borders), borders};
#else
  return std::nullopt;
#endif
}

void PlaceBesideActiveWindow(QWidget &window) {
  // A Wayland compositor places windows itself; offscreen there is no desktop.
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    return;
  const std::optional<ActiveFrame> active = ActiveWindowFrame();
  QScreen *screen = QGuiApplication::screenAt(active ? active->frame.center() : QCursor::pos());
  if (screen == nullptr)
    screen = QGuiApplication::primaryScreen();
  if (screen == nullptr)
    return;
  const QRect area = screen->availableGeometry();
  // The window manager will frame this window as it framed the other.
  const QSize frame = window.size().grownBy(active ? active->borders : QMargins());
  QRect place(QPoint(0, 0), frame);
  if (active)
    place = PlaceBeside(active->frame, frame, area);
  else
    place.moveCenter(area.center());
  // Before the window is shown, Qt takes a move as the frame's position.
  window.move(place.topLeft());
}

} // namespace concordance
