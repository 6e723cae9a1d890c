#include "framework/control_labels.h"

#include <utility>

namespace {

bool SideBySide(const TControlTemplate &a, const TControlTemplate &b) {
  return a.X < b.X + b.W && b.X < a.X + a.W;
}

// Whether c reaches into the band of rows between top and bottom.
bool InBand(const TControlTemplate &c, int top, int bottom) {
  return c.Y < bottom && top < c.Y + c.H;
}

std::string Spoken(const std::string &text) {
  std::string spoken;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size())
      ++i; // "&&" is an ampersand; "&x" underlines x
    spoken += text[i];
  }
  while (!spoken.empty() && (spoken.back() == ':' || spoken.back() == ' '))
    spoken.pop_back();
  return spoken;
}

} // namespace

std::string LabelAbove(const std::vector<TControlTemplate> &controls, std::size_t index) {
  const TControlTemplate &control = controls.at(index);
  const TControlTemplate *label = nullptr;
  for (const TControlTemplate &c : controls)
    if (c.Kind == TControlKind::Static && !c.Text.empty() && c.Y + c.H <= control.Y &&
        SideBySide(c, control) && (label == nullptr || c.Y + c.H > label->Y + label->H))
      label = &c;
  if (label == nullptr)
    return "";
  const int bandTop = label->Y + label->H;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const TControlTemplate &c = controls[i];
    if (i != index && &c != label && c.Kind != TControlKind::GroupBox && SideBySide(c, control) &&
        InBand(c, bandTop, control.Y))
      return "";
  }
  return Spoken(label->Text);
}

std::string LabelLeft(const std::vector<TControlTemplate> &controls, std::size_t index) {
  std::vector<TControlTemplate> turned = controls;
  for (TControlTemplate &c : turned) {
    std::swap(c.X, c.Y);
    std::swap(c.W, c.H);
  }
  return LabelAbove(turned, index);
}

std::string ControlName(const std::vector<TControlTemplate> &controls, std::size_t index) {
  const TControlTemplate &control = controls.at(index);
  if (!control.Name.empty())
    return control.Name;
  switch (control.Kind) {
  case TControlKind::ListBox:
  case TControlKind::Edit:
  case TControlKind::Picture:
  case TControlKind::Document:
    if (std::string above = LabelAbove(controls, index); !above.empty())
      return above;
    return LabelLeft(controls, index);
  default: // buttons say their own text; statics and frames are no controls
    return "";
  }
}
