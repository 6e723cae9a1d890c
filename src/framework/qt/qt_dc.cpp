#include "framework/qt/qt_dc.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>
#include <map>
#include <tuple>

#include "framework/qt/text_codec.h"

namespace {

QColor ToQColor(TColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

std::string_view Prefix(std::string_view text, int count) {
  return text.substr(0, static_cast<size_t>(std::clamp(count, 0, static_cast<int>(text.size()))));
}

// Faces are made once per description: finding a font and measuring its
// characters costs far more than a paint can spend on every entry.
std::shared_ptr<const QtDC::Face> FaceFor(const TFontDesc &desc) {
  static std::map<std::tuple<std::string, int, bool>, std::shared_ptr<const QtDC::Face>> faces;
  auto key = std::make_tuple(desc.FaceName, desc.Height, desc.Italic);
  auto found = faces.find(key);
  if (found != faces.end())
    return found->second;
  auto face = std::make_shared<QtDC::Face>();
  face->font = QtDC::MakeFont(desc);
  QFontMetrics metrics(face->font);
  for (int byte = 0; byte < 256; ++byte) {
    char c = static_cast<char>(byte);
    face->advance[static_cast<std::size_t>(byte)] =
        byte < 32 ? 0 : metrics.horizontalAdvance(FromWindows1252(std::string_view(&c, 1)));
  }
  face->height = metrics.height();
  face->ascent = metrics.ascent();
  if (faces.size() > 256) // a run that asks for very many fonts
    faces.clear();
  return faces[key] = face;
}

} // namespace

QtDC::QtDC(QPainter &painter) : painter_(painter), face_(FaceFor(TFontDesc{})) {
  painter_.setFont(face_->font);
}

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
  // Positions come from whole-pixel advances: keep Qt from placing glyphs
  // between pixels.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

int QtDC::Width(std::string_view text) const {
  int width = 0;
  for (char c : text)
    width += face_->advance[static_cast<unsigned char>(c)];
  return width;
}

TSize QtDC::GetTextExtent(std::string_view text, int count) {
  return TSize{Width(Prefix(text, count)), face_->height};
}

void QtDC::SetTextJustification(int extra, int breakCount) {
  justifyExtra_ = extra;
  justifyBreaks_ = std::max(1, breakCount);
}

void QtDC::TextOut(int x, int y, std::string_view text, int count) {
  std::string_view line = Prefix(text, count);
  int extra = std::max(0, justifyExtra_);
  if (bkMode_ == OPAQUE)
    painter_.fillRect(x, y, Width(line) + extra, face_->height, ToQColor(bkColor_));
  painter_.setPen(ToQColor(textColor_));
  int baseline = y + face_->ascent;
  if (extra == 0 || justifyBreaks_ <= 0) {
    painter_.drawText(x, baseline, FromWindows1252(line));
    return;
  }
  // Justified: the extra pixels spread evenly over the spaces.
  QFont spread = face_->font;
  spread.setWordSpacing(static_cast<qreal>(extra) / justifyBreaks_);
  painter_.setFont(spread);
  painter_.drawText(x, baseline, FromWindows1252(line));
  painter_.setFont(face_->font);
}

void QtDC::SelectFont(const TFontDesc &font) {
  face_ = FaceFor(font);
  painter_.setFont(face_->font);
}
