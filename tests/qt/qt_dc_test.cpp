#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <set>

#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_dc.h"
#include "framework/qt/text_codec.h"
#include "qt/qt_app_fixture.h"

namespace {

// A family that two foundries make is listed once, by the plain name that
// finds it (the list's names are stored as the package's font).
TEST(QtDCTest, EveryFontFamilyIsListedOnceByItsPlainName) {
  testsupport::QtApp();
  QtBackend backend;
  std::vector<std::string> families = backend.FontFamilies();
  EXPECT_EQ(std::set<std::string>(families.begin(), families.end()).size(), families.size());
  for (const std::string &family : families)
    EXPECT_EQ(family.find('['), std::string::npos) << family;
}

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

// The height measured is the one Qt gives the font that is made (a raw font
// scaled to another size can round it differently).
TEST(QtDCTest, TheMeasuredHeightIsTheFontsCellHeight) {
  testsupport::QtApp();
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  QtDC dc(painter);
  for (const char *face : {"System", "DejaVu Serif", "DejaVu Sans Mono"})
    for (bool italic : {false, true})
      for (int height = 6; height <= 60; height += 3) {
        TFontDesc desc{face, height, italic};
        dc.SelectFont(desc);
        EXPECT_EQ(dc.GetTextExtent("x", 1).cy, QFontMetrics(QtDC::MakeFont(desc)).height())
            << face << " " << height << (italic ? " italic" : "");
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

// A justified line of right-to-left text fills its room from end to end,
// as a left-to-right one does: it begins at the right margin and ends at the
// left one, instead of beginning extra pixels short of it.
TEST(QtDCTest, ARightToLeftLineIsJustifiedAsOthersAre) {
  testsupport::QtApp();
  QImage image(400, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtDC dc(painter);
  dc.SelectFont(TFontDesc{"DejaVu Sans", 20, false});
  const std::string text =
      "\xD7\x91\xD7\xA8\xD7\x90\xD7\xA9\xD7\x99\xD7\xAA \xD7\x91\xD7\xA8\xD7\x90 "
      "\xD7\x90\xD7\x9C\xD7\x94\xD7\x99\xD7\x9D"; // Hebrew, two spaces
  const TSize whole = dc.GetTextExtent(text, static_cast<int>(text.size()));
  dc.SetTextJustification(60, 2);
  dc.TextOut(10, 0, text, static_cast<int>(text.size()));
  dc.SetTextJustification(0, 1);
  painter.end();
  int leftmost = image.width(), rightmost = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (QColor(image.pixel(x, y)).lightness() < 128) {
        leftmost = std::min(leftmost, x);
        rightmost = std::max(rightmost, x);
      }
  EXPECT_LE(leftmost, 10 + 4) << rightmost << " " << whole.cx;
  EXPECT_GE(rightmost, 10 + whole.cx + 60 - 4);
  EXPECT_LE(rightmost, 10 + whole.cx + 60 + 2);
}

// The layout measures a line again for each word it adds: a text measured
// after a shorter one it begins with measures as it does on its own, also
// where the shorter one ends inside a character or before a mark that joins
// it, and after the font changed between the two.
TEST(QtDCTest, ATextMeasuredAfterItsBeginningMeasuresAsOnItsOwn) {
  testsupport::QtApp();
  struct Case {
    const char *first;
    const char *then;
    bool otherFont; // the font changes between the two measures
  };
  const Case cases[] = {
      {"Grace", "Grace and peace", false},
      {"Grace and", "Grace", false},                                   // shorter
      {"P\xC3", "P\xC3\xA9tain", false},                               // inside an e acute's bytes
      {"\xCE\xB1", "\xCE\xB1\xCC\x81\xCE\xB2", false},                 // alpha, then its accent
      {"\xD7\xA9", "\xD7\xA9\xD7\x81\xD7\x9C\xD7\x95\xD7\x9D", false}, // shin, then its dot
      {"\xE4\xB8\xAD", "\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97", false}, // Chinese
      {"Grace", "Grace and peace", true},
  };
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  const TFontDesc serif{"DejaVu Serif", 20, false};
  const TFontDesc large{"DejaVu Sans", 31, true};
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.first) + " / " + c.then);
    const std::string then = c.then;
    QtDC alone(painter);
    alone.SelectFont(c.otherFont ? large : serif);
    const TSize expected = alone.GetTextExtent(then, static_cast<int>(then.size()));
    QtDC after(painter);
    after.SelectFont(serif);
    after.GetTextExtent(c.first, static_cast<int>(std::string(c.first).size()));
    if (c.otherFont)
      after.SelectFont(large);
    EXPECT_EQ(after.GetTextExtent(then, static_cast<int>(then.size())), expected);
    // A count that ends earlier measures the shorter text.
    EXPECT_EQ(after.GetTextExtent(then, 1), alone.GetTextExtent(then, 1));
  }
}

} // namespace

namespace {

// Fonts with kerning pairs (and, some, ligatures) that the machine may have.
const char *const KerningFaces[] = {"DejaVu Serif", "DejaVu Sans", "Nimbus Roman", "C059",
                                    "P052",         "URW Bookman", "Nimbus Sans"};

struct DrawnLine {
  std::string text;
  int extra;  // justification: extra pixels over the spaces
  int breaks; // the spaces they spread over
};

// The line drawn through the device context.
QImage DrawnThroughDC(const TFontDesc &desc, const DrawnLine &line) {
  QImage image(900, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtDC dc(painter);
  dc.SelectFont(desc);
  dc.SetTextJustification(line.extra, line.breaks);
  dc.TextOut(10, 10, line.text, static_cast<int>(line.text.size()));
  return image;
}

// The same line drawn one character at a time where the device context
// measured it: each character at the width of the text before it, plus the
// justification's pixels of the spaces before it (evenly, the remainder one
// each to the first spaces).
QImage DrawnWhereMeasured(const TFontDesc &desc, const DrawnLine &line) {
  QImage image(900, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter measuring(&scratch);
  QtDC dc(measuring);
  dc.SelectFont(desc);
  QFont font = QtDC::MakeFont(desc);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  int baseline = 10 + QFontMetrics(font).ascent();
  int spread = 0;
  int spaces = 0;
  for (std::size_t i = 0; i < line.text.size(); ++i) {
    int x = 10 + dc.GetTextExtent(line.text, static_cast<int>(i)).cx + spread;
    painter.drawText(x, baseline, FromProgramText(line.text.substr(i, 1)));
    if (line.text[i] == ' ' && spaces < line.breaks)
      spread += line.extra / line.breaks + (spaces++ < line.extra % line.breaks ? 1 : 0);
  }
  return image;
}

int DifferingPixels(const QImage &a, const QImage &b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
  return count;
}

// Kerned or ligated, a line would come out shorter than measured: a centred
// heading would sit left of the middle and a justified line end short of the
// margin.
TEST(QtDCTest, EveryCharacterIsDrawnWhereItWasMeasured) {
  testsupport::QtApp();
  const DrawnLine lines[] = {
      {"AVAVAV To Yo WAVE, Type LTA office fifty Tj", 0, 1},
      {"Yea, AVA We Took fluffy VAT To Tower", 29, 6}, // justified, 29 = 6 * 4 + 5
      {"P\xE9tain \x93Vous\x94 \x80 \xC6gis", 0, 1},   // beyond ASCII
  };
  int faces = 0;
  for (const char *face : KerningFaces) {
    if (!QFontDatabase::hasFamily(face))
      continue;
    ++faces;
    for (bool italic : {false, true})
      for (const DrawnLine &line : lines) {
        TFontDesc desc{face, 26, italic};
        EXPECT_EQ(DifferingPixels(DrawnThroughDC(desc, line), DrawnWhereMeasured(desc, line)), 0)
            << face << (italic ? " italic: " : ": ") << line.text;
      }
  }
  EXPECT_GT(faces, 0) << "none of the fonts is installed";
}

// Text measured or drawn before any font is selected is in the default
// face, which is made only then.
TEST(QtDCTest, BeforeAnyFontIsSelectedTextIsInTheDefaultFace) {
  testsupport::QtApp();
  const std::string text = "Grace and peace";
  const int length = static_cast<int>(text.size());
  auto drawn = [&](bool selectFirst, bool drawFirst, TSize &extent) {
    QImage image(300, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDC dc(painter);
    if (selectFirst)
      dc.SelectFont(TFontDesc{});
    if (drawFirst)
      dc.TextOut(5, 5, text, length);
    extent = dc.GetTextExtent(text, length);
    if (!drawFirst)
      dc.TextOut(5, 5, text, length);
    painter.end();
    return image;
  };
  TSize selected, measuredFirst, drawnFirst;
  const QImage expected = drawn(true, false, selected);
  EXPECT_GT(selected.cx, 0);
  EXPECT_EQ(DifferingPixels(drawn(false, false, measuredFirst), expected), 0);
  EXPECT_EQ(DifferingPixels(drawn(false, true, drawnFirst), expected), 0);
  EXPECT_EQ(measuredFirst, selected);
  EXPECT_EQ(drawnFirst, selected);
}

} // namespace
