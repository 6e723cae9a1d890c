#include "framework/qt/qt_dc.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>
#include <map>
#include <tuple>

#include "framework/qt/text_codec.h"
#include "framework/text_clusters.h"
#include "platform/code_page_1252.h"

namespace {

QColor ToQColor(TColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

std::string_view Prefix(std::string_view text, int count) {
  return text.substr(0, static_cast<size_t>(std::clamp(count, 0, static_cast<int>(text.size()))));
}

int RawFontIndex(QtDC::Face &face, const QRawFont &raw) {
  for (std::size_t i = 0; i < face.rawFonts.size(); ++i)
    if (face.rawFonts[i] == raw)
      return static_cast<int>(i);
  face.rawFonts.push_back(raw);
  return static_cast<int>(face.rawFonts.size() - 1);
}

// The glyphs Qt draws a character with that the face's own font lacks, from
// the font it falls back to, and the character's advance.
int FindFallbackGlyphs(QtDC::Face &face, const QString &character,
                       std::vector<QtDC::Glyph> &glyphs) {
  QTextLayout layout(character, face.font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  for (const QGlyphRun &run : layout.glyphRuns()) {
    int font = RawFontIndex(face, run.rawFont());
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
      glyphs.push_back({font, indexes[i], positions[i] - QPointF(0, line.ascent())});
  }
  return qRound(line.naturalTextWidth());
}

constexpr int Unmeasured = -1;

// Which glyph of the face's own font draws each character below U+0100 (0:
// none); the advances wait until a character is first used.
void FindOwnGlyphs(QtDC::Face &face) {
  QString all;
  for (char16_t code = 0; code < 256; ++code)
    all += QChar(code);
  const QList<quint32> own = face.rawFonts[0].glyphIndexesForString(all);
  for (qsizetype code = 0; code < 256 && code < own.size(); ++code)
    face.ownGlyph[static_cast<std::size_t>(code)] = own[code];
}

// Measures a character and finds the glyph that draws it: the face's own
// font's, else the one Qt would fall back to.
void MeasureCharacter(QtDC::Face &face, char32_t code, QtDC::Character &measured) {
  const QString character = QString::fromUcs4(&code, 1);
  quint32 own = 0;
  if (code < face.ownGlyph.size())
    own = face.ownGlyph[code];
  else
    own = face.rawFonts[0].glyphIndexesForString(character).value(0);
  if (code < 32 || (!QChar::isPrint(code) && code != ' ')) {
    measured.advance = 0; // a control shows nothing and takes no room
  } else if (own != 0) {
    measured.advance =
        qRound(face.rawFonts[0].advancesForGlyphIndexes(QList<quint32>{own}).value(0).x());
    if (code != ' ') // a space only moves the pen
      measured.glyphs.push_back({0, own, QPointF()});
  } else {
    measured.advance = FindFallbackGlyphs(face, character, measured.glyphs);
  }
}

const QtDC::Character &CharacterOf(QtDC::Face &face, char32_t code) {
  QtDC::Character &character = code < face.latin.size() ? face.latin[code] : face.others[code];
  if (character.advance == Unmeasured)
    MeasureCharacter(face, code, character);
  return character;
}

// The character with the marks that join it at text[pos], which is not ASCII
// alone, moving pos past it.
const QtDC::Character &ClusterBeyondAscii(QtDC::Face &face, std::string_view text,
                                          std::size_t &pos) {
  const std::size_t start = pos;
  const std::size_t end = ClusterEnd(text, start);
  const char32_t first = platform::NextCharacter(text, pos);
  if (pos == end)
    return CharacterOf(face, first);
  pos = end;
  const std::string_view cluster = text.substr(start, end - start);
  auto [found, added] = face.clusters.try_emplace(std::string(cluster));
  if (added)
    found->second.advance =
        FindFallbackGlyphs(face, FromProgramText(cluster), found->second.glyphs);
  return found->second;
}

// The character, or the character with the marks that join it, at text[pos],
// moving pos past it; ASCII without decoding.
inline const QtDC::Character &ClusterOf(QtDC::Face &face, std::string_view text, std::size_t &pos) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte < 0x80 && (pos + 1 == text.size() || static_cast<unsigned char>(text[pos + 1]) < 0x80)) {
    ++pos;
    QtDC::Character &character = face.latin[byte];
    if (character.advance == Unmeasured)
      MeasureCharacter(face, byte, character);
    return character;
  }
  return ClusterBeyondAscii(face, text, pos);
}

// The font for a description. The height asked for is the cell (ascent +
// descent), not the em: the font gets the largest pixel size whose cell is
// no taller.
QFont SizedFont(const TFontDesc &desc) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  if (desc.FaceName != "System" && QFontDatabase::hasFamily(FromProgramText(desc.FaceName)))
    font.setFamily(FromProgramText(desc.FaceName));
  font.setItalic(desc.Italic);
  // Positions come from whole-pixel advances: keep Qt from placing glyphs
  // between pixels. Kerning would move glyphs off the measured positions
  // wherever Qt lays text out itself (the glyphs are placed by our own table).
  // Both are set before the sizes are tried, so that the font engine of the
  // size found is the one the face then uses.
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  // Each size tried loads a font: the search starts from the size the
  // cell's proportion gives.
  const int height = std::clamp(desc.Height, 1, 2000);
  auto cell = [&font](int size) {
    font.setPixelSize(size);
    return QFontMetrics(font).height();
  };
  int size = height;
  if (const int tallest = cell(height); tallest > height) {
    size = std::clamp(height * height / tallest, 1, std::max(1, height - 1));
    while (size > 1 && cell(size) > height)
      --size;
    while (size + 1 < height && cell(size + 1) <= height)
      ++size;
  }
  font.setPixelSize(size);
  return font;
}

// Faces are made once per description: finding a font and measuring its
// characters costs far more than a paint can spend on every entry.
std::shared_ptr<QtDC::Face> FaceFor(const TFontDesc &desc) {
  static std::map<std::tuple<std::string, int, bool>, std::shared_ptr<QtDC::Face>> faces;
  auto key = std::make_tuple(desc.FaceName, desc.Height, desc.Italic);
  auto found = faces.find(key);
  if (found != faces.end())
    return found->second;
  auto face = std::make_shared<QtDC::Face>();
  face->font = SizedFont(desc);
  QFontMetrics metrics(face->font);
  face->height = metrics.height();
  face->ascent = metrics.ascent();
  face->rawFonts.push_back(QRawFont::fromFont(face->font));
  face->ascii.fill(Unmeasured);
  FindOwnGlyphs(*face);
  if (faces.size() > 256) // a run that asks for very many fonts
    faces.clear();
  return faces[key] = face;
}

} // namespace

QtDC::QtDC(QPainter &painter) : painter_(painter) {}

QtDC::Face &QtDC::CurrentFace() {
  if (!face_) {
    face_ = FaceFor(TFontDesc{});
    painter_.setFont(face_->font);
  }
  return *face_;
}

QFont QtDC::MakeFont(const TFontDesc &desc) {
  return SizedFont(desc);
}

int QtDC::Width(std::string_view text) {
  // ASCII alone, the most of every day: its advances added up plainly, in
  // the same pass that finds whether the text is ASCII alone.
  int width = 0;
  unsigned seen = 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    seen |= byte;
    int &advance = face_->ascii[byte & 0x7F];
    if (advance == Unmeasured)
      advance = CharacterOf(*face_, byte & 0x7F).advance;
    width += advance;
  }
  if (seen < 0x80)
    return width;
  width = 0;
  for (std::size_t pos = 0; pos < text.size();)
    width += ClusterOf(*face_, text, pos).advance;
  return width;
}

TSize QtDC::GetTextExtent(std::string_view text, int count) {
  const int height = CurrentFace().height;
  // The layout measures a line again for each word it adds: the advances add
  // up cluster by cluster, so only the words added are measured.
  const int width =
      lastMeasure_.Of(Prefix(text, count), [this](std::string_view part) { return Width(part); });
  return TSize{width, height};
}

void QtDC::SetTextJustification(int extra, int breakCount) {
  justifyExtra_ = extra;
  justifyBreaks_ = std::max(1, breakCount);
}

void QtDC::TextOut(int x, int y, std::string_view text, int count) {
  CurrentFace();
  std::string_view line = Prefix(text, count);
  int extra = std::max(0, justifyExtra_);
  if (bkMode_ == OPAQUE)
    painter_.fillRect(x, y, Width(line) + extra, face_->height, ToQColor(bkColor_));
  painter_.setPen(ToQColor(textColor_));
  if (HasRightToLeft(line))
    DrawThroughLayout(x, y, line, Width(line) + extra);
  else
    DrawGlyphs(x, y + face_->ascent, line);
}

bool QtDC::DrawJustified(int x, int top, const QString &text, int width) {
  if (!text.trimmed().contains(QLatin1Char(' ')))
    return false;
  // Qt justifies no paragraph's last line: a word wider than the room
  // follows the line, on a second line that is never drawn, after a zero
  // width space (a blank there would take its width at the line's end).
  const double xAdvance = std::max(1.0, QFontMetricsF(face_->font).horizontalAdvance(u'x'));
  QTextLayout layout(text + QChar(0x200B) + QString(static_cast<int>(width / xAdvance) + 2, u'x'),
                     face_->font);
  QTextOption option;
  option.setTextDirection(Qt::LayoutDirectionAuto);
  option.setAlignment(Qt::AlignJustify);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine row = layout.createLine();
  if (row.isValid())
    row.setLineWidth(width);
  layout.endLayout();
  // Where Qt's shaping finds the line wider than it was measured, the line
  // broke inside: it is drawn at its own width instead.
  if (!row.isValid() || row.textStart() != 0 || row.textLength() < text.size())
    return false;
  row.draw(&painter_, QPointF(x, top + face_->ascent - row.ascent()));
  return true;
}

void QtDC::DrawThroughLayout(int x, int top, std::string_view line, int width) {
  // Justified as the layout asked, the line fills its room from end to end.
  if (justifyExtra_ > 0 && DrawJustified(x, top, FromProgramText(line), width))
    return;
  QTextLayout layout(FromProgramText(line), face_->font);
  QTextOption option;
  option.setTextDirection(Qt::LayoutDirectionAuto);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine row = layout.createLine();
  layout.endLayout();
  if (!row.isValid())
    return;
  const double natural = row.naturalTextWidth();
  // A line that reads from the right begins at the right end of its room.
  const bool fromRight = layout.textOption().textDirection() == Qt::RightToLeft ||
                         (row.textStart() == 0 && layout.text().isRightToLeft());
  const double left = fromRight ? x + width - natural : x;
  layout.draw(&painter_, QPointF(left, top + face_->ascent - row.ascent()));
}

void QtDC::DrawGlyphs(int x, int baseline, std::string_view line) {
  int gap = 0;
  QList<quint32> indexes;
  QList<QPointF> positions;
  int runFont = -1;
  auto flush = [&] {
    if (indexes.isEmpty())
      return;
    QGlyphRun run;
    run.setRawFont(face_->rawFonts[static_cast<std::size_t>(runFont)]);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter_.drawGlyphRun(QPointF(0, baseline), run);
    indexes.clear();
    positions.clear();
  };
  int pen = x;
  for (std::size_t pos = 0; pos < line.size();) {
    const char first = line[pos];
    const Character &character = ClusterOf(*face_, line, pos); // finds the glyphs too
    for (const Glyph &glyph : character.glyphs) {
      if (glyph.font != runFont) {
        flush();
        runFont = glyph.font;
      }
      indexes.append(glyph.index);
      positions.append(QPointF(pen, 0) + glyph.offset);
    }
    pen += character.advance;
    if (first == ' ')
      pen += JustificationShare(justifyExtra_, justifyBreaks_, gap++);
  }
  flush();
}

void QtDC::SelectFont(const TFontDesc &font) {
  face_ = FaceFor(font);
  lastMeasure_.Forget(); // measured in another face
  painter_.setFont(face_->font);
}
