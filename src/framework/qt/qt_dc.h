#pragma once

// A device context that paints with QPainter. Fonts are looked up among the
// system's font families; "System" is the desktop's default sans face, and a
// face that is not installed falls back to it. The height asked for is the
// font's cell height in pixels.
//
// Text is measured from a table of the advance of each character (a
// character with the marks that join it shaped as one), and drawn glyph by
// glyph at the positions the table gives (no kerning, no ligatures), so that
// what is drawn takes exactly the room the layout measured: centred lines sit
// in the middle and justified lines end at the margin, whatever the font.
// Measuring, which the layout does for every word it adds, stays cheap, and
// drawing needs no shaping either. A line that holds right-to-left text
// (Hebrew, Arabic) is drawn through Qt's own layout instead, which orders
// and joins its letters, within the room measured for it.

#include <QFont>
#include <QPainter>
#include <QRawFont>
#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

#include "framework/dc.h"
#include "framework/text_clusters.h"

class QtDC : public TDC {
public:
  explicit QtDC(QPainter &painter);

  TSize GetTextExtent(std::string_view text, int count) override;
  void SetTextJustification(int extra, int breakCount) override;
  void TextOut(int x, int y, std::string_view text, int count) override;
  void SelectFont(const TFontDesc &font) override;
  void SetTextColor(TColor color) override { textColor_ = color; }
  void SetBkColor(TColor color) override { bkColor_ = color; }
  void SetBkMode(int mode) override { bkMode_ = mode; }

  // The Qt font for a font description.
  static QFont MakeFont(const TFontDesc &desc);

  // One glyph of a character: which of the face's raw fonts draws it (the
  // face's own, or the one Qt falls back to for a character the face lacks),
  // its index there, and its offset from the character's position.
  struct Glyph {
    int font = 0;
    quint32 index = 0;
    QPointF offset;
  };

  // A character's advance (-1: not measured yet) and its glyphs.
  struct Character {
    int advance = -1;
    std::vector<Glyph> glyphs;
  };

  // A font with what measuring and drawing need of it, made once per
  // description. A character is measured the first time it is asked for:
  // measuring means loading its glyph, and a day uses few characters. Those
  // below U+0100, the most of every day in the Latin scripts, are looked up
  // by their number.
  struct Face {
    QFont font;
    std::array<Character, 256> latin;
    // The advances of ASCII, which the measuring of every line adds up: -1
    // until measured.
    std::array<int, 128> ascii;
    std::array<quint32, 256> ownGlyph{}; // of latin, in rawFonts[0]; 0: none
    std::unordered_map<char32_t, Character> others;
    // A character with the marks that join it, shaped together.
    std::unordered_map<std::string, Character> clusters;
    std::vector<QRawFont> rawFonts;
    int height = 0;
    int ascent = 0;
  };

private:
  // The face text is measured and drawn in: until a font is selected the
  // default one, made when it is first needed (a paint of the day selects
  // its fonts before it measures, and making a face costs font lookups).
  Face &CurrentFace();
  // The widths below are of the current face, which CurrentFace() made.
  int Width(std::string_view text);
  // Draws line with its first character at x on the baseline, each space
  // widened by the justification in force.
  void DrawGlyphs(int x, int baseline, std::string_view line);
  // Draws a line that holds right-to-left text through Qt's own layout, which
  // puts it in its reading order, within the width it was measured at from x
  // (aligned to the end it reads from).
  void DrawThroughLayout(int x, int top, std::string_view line, int width);
  // text justified to width, through Qt's layout; false (nothing drawn)
  // where it has no space between words or Qt finds it wider than width.
  bool DrawJustified(int x, int top, const QString &text, int width);

  QPainter &painter_;
  std::shared_ptr<Face> face_;
  TColor textColor_ = 0;
  TColor bkColor_ = MakeColor(255, 255, 255);
  int bkMode_ = OPAQUE;
  int justifyExtra_ = 0;
  int justifyBreaks_ = 1;
  TLastMeasure lastMeasure_; // in the current face
};
