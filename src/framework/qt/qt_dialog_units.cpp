#include "framework/qt/qt_dialog_units.h"

#include <QApplication>
#include <QFontMetricsF>
#include <cmath>

DialogUnits::DialogUnits(const QFont &font) {
  QFontMetricsF metrics(font);
  static const QString Letters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  width_ = std::ceil(metrics.horizontalAdvance(Letters) / Letters.size());
  height_ = std::ceil(metrics.height());
}

int DialogUnits::X(int units) const {
  return static_cast<int>(std::lround(units * width_ / 4));
}

int DialogUnits::Y(int units) const {
  return static_cast<int>(std::lround(units * height_ / 8));
}

QRect DialogUnits::Rect(int x, int y, int w, int h) const {
  return QRect(QPoint(X(x), Y(y)), QPoint(X(x + w) - 1, Y(y + h) - 1));
}

QFont DialogFont() {
  return QApplication::font();
}
