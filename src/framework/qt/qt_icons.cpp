#include "framework/qt/qt_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void DrawBook(QPainter &painter, int size) {
  const qreal s = size;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1f, 0x4e, 0x9a));
  painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
  // Two pages rising from the spine.
  painter.setBrush(QColor(0xfb, 0xf7, 0xec));
  // The right page is the left one mirrored at the spine.
  for (bool mirrored : {false, true}) {
    auto x = [&](qreal f) { return s * (mirrored ? 1.0 - f : f); };
    QPainterPath page;
    page.moveTo(x(0.50), s * 0.30);
    page.cubicTo(x(0.38), s * 0.22, x(0.22), s * 0.22, x(0.14), s * 0.27);
    page.lineTo(x(0.14), s * 0.78);
    page.cubicTo(x(0.24), s * 0.73, x(0.38), s * 0.73, x(0.50), s * 0.80);
    page.closeSubpath();
    painter.drawPath(page);
  }
  // A gold ribbon marking the day's page.
  painter.setBrush(QColor(0xe0, 0xa8, 0x24));
  painter.drawRect(QRectF(s * 0.60, s * 0.26, s * 0.07, s * 0.62));
  if (size >= 24) {
    painter.setPen(QPen(QColor(0x9a, 0xa8, 0xc0), s / 40.0));
    for (qreal y : {0.40, 0.50, 0.60})
      painter.drawLine(QPointF(s * 0.20, s * y), QPointF(s * 0.44, s * (y + 0.01)));
  }
}

void DrawCalendarPage(QPainter &painter, int size) {
  const qreal s = size;
  painter.setPen(QPen(QColor(0x60, 0x60, 0x60), s / 32.0));
  painter.setBrush(QColor(0xff, 0xff, 0xff));
  painter.drawRoundedRect(QRectF(s * 0.12, s * 0.10, s * 0.76, s * 0.80), s * 0.08, s * 0.08);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xc0, 0x30, 0x30));
  painter.drawRect(QRectF(s * 0.14, s * 0.12, s * 0.72, s * 0.20));
  // A small cross for the day's reading.
  painter.setBrush(QColor(0x1f, 0x4e, 0x9a));
  painter.drawRect(QRectF(s * 0.46, s * 0.42, s * 0.08, s * 0.38));
  painter.drawRect(QRectF(s * 0.34, s * 0.52, s * 0.32, s * 0.08));
}

} // namespace

QPixmap DrawIcon(int resource, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (resource == 2)
    DrawCalendarPage(painter, size);
  else
    DrawBook(painter, size);
  return pixmap;
}

QIcon ProgramWindowIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(DrawIcon(1, size));
  return icon;
}
