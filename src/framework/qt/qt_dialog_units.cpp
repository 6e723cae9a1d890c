#include "framework/qt/qt_dialog_units.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <memory>

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

DialogUnits UnitsOfControls(QWidget *dialog) {
  DialogUnits units(DialogFont());
  double width = units.CharWidth();
  double height = units.CharHeight();
  // Each kind of control as the dialog would have it, its style sheet and
  // the desktop's fonts for its class applied: the largest font counts.
  std::unique_ptr<QWidget> probes[] = {
      std::make_unique<QLabel>(dialog),      std::make_unique<QPushButton>(dialog),
      std::make_unique<QCheckBox>(dialog),   std::make_unique<QRadioButton>(dialog),
      std::make_unique<QGroupBox>(dialog),   std::make_unique<QLineEdit>(dialog),
      std::make_unique<QListWidget>(dialog),
  };
  for (const auto &probe : probes) {
    probe->ensurePolished();
    DialogUnits drawn(probe->font());
    width = std::max(width, drawn.CharWidth());
    height = std::max(height, drawn.CharHeight());
  }
  return DialogUnits(width, height);
}
