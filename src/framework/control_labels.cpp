#include "framework/control_labels.h"

#include <optional>
#include <utility>

namespace {

bool SideBySide(const TControlTemplate &a, const TControlTemplate &b) {
  return a.X < b.X + b.W && b.X < a.X + a.W;
}

// Whether c reaches into the band of rows between top and bottom.
bool InBand(const TControlTemplate &c, int top, int bottom) {
  return c.Y < bottom && top < c.Y + c.H;
}

// Where in controls the label above controls[index] is.
std::optional<std::size_t> IndexAbove(const std::vector<TControlTemplate> &controls,
                                      std::size_t index) {
  const TControlTemplate &control = controls.at(index);
  std::optional<std::size_t> label;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const TControlTemplate &c = controls[i];
    if (c.Kind == TControlKind::Static && !c.Text.empty() && c.Y + c.H <= control.Y &&
        SideBySide(c, control) && (!label || c.Y + c.H > controls[*label].Y + controls[*label].H))
      label = i;
  }
  if (!label)
    return std::nullopt;
  const int bandTop = controls[*label].Y + controls[*label].H;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const TControlTemplate &c = controls[i];
    if (i != index && i != *label && c.Kind != TControlKind::GroupBox && SideBySide(c, control) &&
        InBand(c, bandTop, control.Y))
      return std::nullopt;
  }
  return label;
}

std::optional<std::size_t> IndexLeft(const std::vector<TControlTemplate> &controls,
                                     std::size_t index) {
  std::vector<TControlTemplate> turned = controls;
  for (TControlTemplate &c : turned) {
    std::swap(c.X, c.Y);
    std::swap(c.W, c.H);
  }
  return IndexAbove(turned, index);
}

// The label that names controls[index], when its name is a label's.
std::optional<std::size_t> NamingIndex(const std::vector<TControlTemplate> &controls,
                                       std::size_t index) {
  const TControlTemplate &control = controls.at(index);
  if (!control.Name.empty())
    return std::nullopt;
  switch (control.Kind) {
  case TControlKind::ListBox:
  case TControlKind::Edit:
  case TControlKind::Picture:
  case TControlKind::Document:
    if (std::optional<std::size_t> above = IndexAbove(controls, index))
      return above;
    return IndexLeft(controls, index);
  default: // buttons say their own text; statics and frames are no controls
    return std::nullopt;
  }
}

std::string TextAt(const std::vector<TControlTemplate> &controls, std::optional<std::size_t> at) {
  return at ? controls[*at].Text : std::string();
}

} // namespace

std::string SpokenLabel(std::string_view text) {
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

std::string LabelAbove(const std::vector<TControlTemplate> &controls, std::size_t index) {
  return SpokenLabel(TextAt(controls, IndexAbove(controls, index)));
}

std::string LabelLeft(const std::vector<TControlTemplate> &controls, std::size_t index) {
  return SpokenLabel(TextAt(controls, IndexLeft(controls, index)));
}

std::string ControlName(const std::vector<TControlTemplate> &controls, std::size_t index) {
  const TControlTemplate &control = controls.at(index);
  if (!control.Name.empty())
    return control.Name;
  return SpokenLabel(NamingLabel(controls, index));
}

std::string NamingLabel(const std::vector<TControlTemplate> &controls, std::size_t index) {
  return TextAt(controls, NamingIndex(controls, index));
}
