#include "framework/qt/qt_window_forward.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>
#ifdef SELWARTH_XCB
#include <xcb/xcb.h>
#endif

#include "platform/ascii.h"

#ifdef SELWARTH_XCB
namespace {

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The most clients looked at: more windows than a desktop holds.
constexpr std::uint32_t MaxClients = 4096;

xcb_atom_t Atom(xcb_connection_t *x, std::string_view name) {
  Reply<xcb_intern_atom_reply_t> atom(
      xcb_intern_atom_reply(
          x, xcb_intern_atom(x, 1, static_cast<std::uint16_t>(name.size()), name.data()), nullptr),
      &std::free);
  return atom != nullptr ? atom->atom : XCB_NONE;
}

Reply<xcb_get_property_reply_t> Property(xcb_connection_t *x, xcb_get_property_cookie_t cookie) {
  return {xcb_get_property_reply(x, cookie, nullptr), &std::free};
}

// Whether either part of a WM_CLASS value ("xiphos\0Xiphos\0") is wanted.
bool ClassMatches(const xcb_get_property_reply_t *reply, std::string_view wanted) {
  if (reply == nullptr || reply->format != 8)
    return false;
  std::string_view value(static_cast<const char *>(xcb_get_property_value(reply)),
                         static_cast<std::size_t>(xcb_get_property_value_length(reply)));
  while (!value.empty()) {
    std::size_t end = value.find('\0');
    if (platform::SameAscii(value.substr(0, end), wanted))
      return true;
    value.remove_prefix(end == std::string_view::npos ? value.size() : end + 1);
  }
  return false;
}

} // namespace

ForwardOutcome BringWindowForward(std::optional<int> processId, std::string_view windowClass) {
  auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t *x = x11 != nullptr ? x11->connection() : nullptr;
  if (x == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
    return ForwardOutcome::NotPossible;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const xcb_atom_t clientList = Atom(x, "_NET_CLIENT_LIST");
  const xcb_atom_t wmPid = Atom(x, "_NET_WM_PID");
  const xcb_atom_t activeWindow = Atom(x, "_NET_ACTIVE_WINDOW");
  // A window manager without the desktop hints has no client list.
  Reply<xcb_get_property_reply_t> list =
      Property(x, xcb_get_property(x, 0, root, clientList, XCB_ATOM_WINDOW, 0, MaxClients));
  if (clientList == XCB_NONE || activeWindow == XCB_NONE || list == nullptr || list->format != 32)
    return ForwardOutcome::NotPossible;
  const auto *clients = static_cast<const xcb_window_t *>(xcb_get_property_value(list.get()));
  const std::size_t count = static_cast<std::size_t>(xcb_get_property_value_length(list.get())) / 4;

  // Every question first, then the answers: one round trip for them all.
  std::vector<xcb_get_property_cookie_t> pids, classes;
  for (std::size_t i = 0; i < count; ++i) {
    pids.push_back(xcb_get_property(x, 0, clients[i], wmPid, XCB_ATOM_CARDINAL, 0, 1));
    classes.push_back(
        xcb_get_property(x, 0, clients[i], XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64));
  }
  xcb_window_t byPid = XCB_NONE, byClass = XCB_NONE;
  for (std::size_t i = 0; i < count; ++i) {
    Reply<xcb_get_property_reply_t> pid = Property(x, pids[i]);
    Reply<xcb_get_property_reply_t> name = Property(x, classes[i]);
    if (byPid == XCB_NONE && processId && pid != nullptr && pid->format == 32 &&
        xcb_get_property_value_length(pid.get()) == 4 &&
        *static_cast<const std::uint32_t *>(xcb_get_property_value(pid.get())) ==
            static_cast<std::uint32_t>(*processId))
      byPid = clients[i];
    if (byClass == XCB_NONE && ClassMatches(name.get(), windowClass))
      byClass = clients[i];
  }
  const xcb_window_t target = byPid != XCB_NONE ? byPid : byClass;
  if (target == XCB_NONE)
    return ForwardOutcome::NoWindow;

  // Source 2: a request on the user's behalf (the user chose the link), which
  // window managers honour as they do a pager's; the time is unknown.
  QWindow *ours = QGuiApplication::focusWindow();
  xcb_client_message_event_t ask{};
  ask.response_type = XCB_CLIENT_MESSAGE;
  ask.format = 32;
  ask.window = target;
  ask.type = activeWindow;
  ask.data.data32[0] = 2;
  ask.data.data32[1] = XCB_CURRENT_TIME;
  ask.data.data32[2] = ours != nullptr ? static_cast<std::uint32_t>(ours->winId()) : 0;
  xcb_send_event(x, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char *>(&ask));
  xcb_flush(x);
  return ForwardOutcome::Asked;
}
#else
ForwardOutcome BringWindowForward(std::optional<int>, std::string_view) {
  return ForwardOutcome::NotPossible;
}
#endif
