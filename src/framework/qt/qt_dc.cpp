#include "framework/qt/qt_dc.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

#include "framework/qt/text_codec.h"

namespace {

QColor ToQColor(TColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

std::string_view Prefix(std::string_view text, int count) {
  return text.substr(0, static_cast<size_t>(std::clamp(count, 0, static_cast<int>(text.size()))));
}

} // namespace

QtDC::QtDC(QPainter &painter) : painter_(painter) {}

QFont QtDC::MakeFont(const TFontDesc &desc) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  if (desc.FaceName != "System" && QFontDatabase::hasFamily(FromWindows1252(desc.FaceName)))
    font.setFamily(FromWindows1252(desc.FaceName));
  font.setItalic(desc.Italic);
  // The height asked for is the cell (ascent + descent), not the em: take
  // the largest pixel size whose cell is no taller.
  int height = std::clamp(desc.Height, 1, 2000);
  int size = height;
  font.setPixelSize(size);
  while (size > 1 && QFontMetrics(font).height() > height)
    font.setPixelSize(--size);
  return font;
}

TSize QtDC::GetTextExtent(std::string_view text, int count) {
  QFontMetrics metrics(painter_.font());
  int width = metrics.horizontalAdvance(FromWindows1252(Prefix(text, count)));
  return TSize{width, metrics.height()};
}

void QtDC::SetTextJustification(int extra, int breakCount) {
  justifyExtra_ = extra;
  justifyBreaks_ = std::max(1, breakCount);
}

void QtDC::TextOut(int x, int y, std::string_view text, int count) {
  QString line = FromWindows1252(Prefix(text, count));
  QFontMetrics metrics(painter_.font());
  if (bkMode_ == OPAQUE) {
    int width = metrics.horizontalAdvance(line) + (justifyExtra_ > 0 ? justifyExtra_ : 0);
    painter_.fillRect(x, y, width, metrics.height(), ToQColor(bkColor_));
  }
  painter_.setPen(ToQColor(textColor_));
  int baseline = y + metrics.ascent();
  if (justifyExtra_ <= 0) {
    painter_.drawText(x, baseline, line);
    return;
  }
  // Spread the extra pixels over the spaces: evenly, the remainder one pixel
  // each to the first spaces.
  int share = justifyExtra_ / justifyBreaks_;
  int remainder = justifyExtra_ % justifyBreaks_;
  int pen = x;
  int spaces = 0;
  QString run;
  for (QChar c : line) {
    run.append(c);
    if (c != QChar(' '))
      continue;
    painter_.drawText(pen, baseline, run);
    pen += metrics.horizontalAdvance(run) + share + (spaces < remainder ? 1 : 0);
    ++spaces;
    run.clear();
  }
  if (!run.isEmpty())
    painter_.drawText(pen, baseline, run);
}

void QtDC::SelectFont(const TFontDesc &font) {
  painter_.setFont(MakeFont(font));
}
