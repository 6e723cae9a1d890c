#pragma once

// Dialog units: templates place controls in units of a quarter of the dialog
// font's average character width across and an eighth of its height down,
// so a dialog keeps its proportions with whatever font the desktop has.

#include <QFont>
#include <QRect>

class DialogUnits {
public:
  // The units of a font: its average width over the Latin letters, as the
  // old dialog manager measured it but rounded up to a whole pixel (Qt's
  // check boxes and radio buttons need a few pixels more beside their text
  // than the old ones did), and its height.
  explicit DialogUnits(const QFont &font);
  DialogUnits(double charWidth, double charHeight) : width_(charWidth), height_(charHeight) {}

  double CharWidth() const { return width_; }
  double CharHeight() const { return height_; }
  // Pixels for units across and down, rounded to the nearest pixel.
  int X(int units) const;
  int Y(int units) const;
  // A rectangle in dialog units as pixels. Its edges are rounded, not its
  // size, so that controls that touch in the template touch on the screen
  // and never overlap by a rounding pixel.
  QRect Rect(int x, int y, int w, int h) const;

private:
  double width_;
  double height_;
};

class QWidget;

// The units of a dialog's controls: from the largest font any kind of
// control is drawn with in it (a style sheet or the desktop may give a
// button or a label a font of its own), and never smaller than those of
// the dialog font.
DialogUnits UnitsOfControls(QWidget *dialog);

// The font dialogs are shown in: the desktop's default font, the nearest
// thing to the small system font the templates were laid out for.
QFont DialogFont();
