#pragma once

// Whether the window manager of an X desktop shows a window's title whole:
// its title bar as drawn for the window, against the bar drawn for the same
// window made wide enough for any title. A title cut short ("Program...
// ettings") lacks some of the whole title's pixels. On Wayland Qt draws the
// title bar itself, inside the window, and offscreen there is none.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "support/background_process.h"

namespace testsupport {

// Whether two pixels look the same, allowing for a little rounding.
inline bool SamePixel(QRgb a, QRgb b) {
  constexpr int Near = 24;
  return std::abs(qRed(a) - qRed(b)) <= Near && std::abs(qGreen(a) - qGreen(b)) <= Near &&
         std::abs(qBlue(a) - qBlue(b)) <= Near;
}

// The window's title bar as the screen shows it, once the window manager
// has framed the window on the screen (a part beyond it would make the
// picture black), the window is width wide (if given), and the bar has
// stopped changing for a while; null when that does not come (bounded).
inline QImage TitleBar(QWidget &window, std::optional<int> width = std::nullopt) {
  QImage last;
  int same = 0;
  const bool still = WaitUntil(
      [&] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QWindow *handle = window.windowHandle();
        const QRect frame = handle != nullptr ? handle->frameGeometry() : QRect();
        const int top = handle != nullptr ? handle->frameMargins().top() : 0;
        if (top <= 0 || !window.isActiveWindow() || (width && window.width() != *width) ||
            !window.screen()->geometry().contains(frame)) {
          window.activateWindow();
          return false;
        }
        QImage now = window.screen()
                         ->grabWindow(0, frame.x(), frame.y(), frame.width(), top)
                         .toImage()
                         .convertToFormat(QImage::Format_RGB32);
        same = now == last ? same + 1 : 0;
        last = now;
        return same == 3;
      },
      std::chrono::seconds(3));
  return still ? last : QImage();
}

// The columns of a wide title bar that its title is drawn in: those between
// a sixth and five sixths of its width where a row differs from the bar's
// own colour there (its gradient runs from top to bottom).
inline QImage TitleText(const QImage &bar) {
  const int from = bar.width() / 6;
  const int to = bar.width() - from;
  int left = to;
  int right = from - 1;
  for (int x = from; x < to; ++x)
    for (int y = 0; y < bar.height(); ++y)
      if (!SamePixel(bar.pixel(x, y), bar.pixel(from, y))) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  return right < left ? QImage() : bar.copy(left, 0, right - left + 1, bar.height());
}

// How many of text's pixels the bar lacks where it matches text best.
inline int MissingPixels(const QImage &bar, const QImage &text) {
  int best = text.width() * text.height();
  for (int at = 0; at + text.width() <= bar.width(); ++at) {
    int missing = 0;
    for (int x = 0; x < text.width() && missing < best; ++x)
      for (int y = 0; y < text.height() && y < bar.height(); ++y)
        missing += SamePixel(bar.pixel(at + x, y), text.pixel(x, y)) ? 0 : 1;
    best = std::min(best, missing);
  }
  return best;
}

// Adds a failure when an X window manager shows the window's title cut.
inline void ExpectTitleWhole(QWidget &window) {
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    return;
  const std::string title = window.windowTitle().toStdString();
  const QImage shown = TitleBar(window);
  ASSERT_FALSE(shown.isNull()) << title << ": the window manager never framed the window";
  const QSize size = window.size();
  const QSize least = window.minimumSize();
  const QSize most = window.maximumSize();
  const QPoint at = window.windowHandle()->framePosition();
  const int wide = window.screen()->availableGeometry().width() - 40;
  window.setMinimumSize(wide, size.height());
  window.setMaximumSize(wide, size.height());
  window.windowHandle()->setFramePosition(window.screen()->availableGeometry().topLeft());
  const QImage whole = TitleText(TitleBar(window, wide));
  window.setMinimumSize(least);
  window.setMaximumSize(most);
  window.resize(size);
  window.windowHandle()->setFramePosition(at);
  WaitUntil([&] {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return window.size() == size;
  });
  ASSERT_FALSE(whole.isNull()) << title << ": no title drawn in a wide title bar";
  // A pixel or two of the title's shadow may fall on the bar's edge colours.
  const int allowed = whole.width() * whole.height() / 100;
  // On a loaded machine the window manager may still be drawing the bar
  // when it was taken: it is taken again until it shows the whole title or
  // the bound passes. A title cut short stays cut however long one waits.
  int missing = MissingPixels(shown, whole);
  WaitUntil(
      [&] {
        if (missing <= allowed)
          return true;
        const QImage again = TitleBar(window);
        if (!again.isNull())
          missing = MissingPixels(again, whole);
        return missing <= allowed;
      },
      std::chrono::seconds(20));
  EXPECT_LE(missing, allowed) << "the title bar cuts the title \"" << title
                              << "\" short at a width of " << size.width();
}

} // namespace testsupport
