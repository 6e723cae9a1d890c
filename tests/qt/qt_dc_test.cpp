#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "framework/qt/qt_dc.h"
#include "qt_app_fixture.h"

namespace {

TEST(QtDCTest, AFontHeightIsTheCellHeightInPixels) {
  testsupport::QtApp();
  for (const char *face : {"System", "DejaVu Serif", "No Such Face"})
    for (int height = 6; height <= 80; ++height) {
      QFont font = QtDC::MakeFont(TFontDesc{face, height, false});
      int cell = QFontMetrics(font).height();
      EXPECT_LE(cell, height) << face << " " << height;
      EXPECT_GE(cell, height - 2) << face << " " << height;
    }
}

TEST(QtDCTest, MeasuresAndJustifiesLikeTheLayoutExpects) {
  testsupport::QtApp();
  QImage image(400, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtDC dc(painter);
  dc.SelectFont(TFontDesc{"DejaVu Sans", 20, false});
  std::string text = "Grace and peace";
  TSize whole = dc.GetTextExtent(text, static_cast<int>(text.size()));
  TSize part = dc.GetTextExtent(text, 5);
  EXPECT_GT(whole.cx, part.cx);
  EXPECT_LE(whole.cy, 20);
  EXPECT_EQ(dc.GetTextExtent(text, 99), whole); // a count past the end is the whole text
  // Justified, the last word ends about extra pixels further right.
  dc.SetTextJustification(30, 2);
  dc.TextOut(0, 0, text, static_cast<int>(text.size()));
  dc.SetTextJustification(0, 1);
  painter.end();
  int rightmost = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (QColor(image.pixel(x, y)).lightness() < 128)
        rightmost = std::max(rightmost, x);
  EXPECT_GE(rightmost, whole.cx + 30 - 4);
  EXPECT_LE(rightmost, whole.cx + 30 + 2);
}

} // namespace
