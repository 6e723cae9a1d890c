#include "framework/control_labels.h"

#include <gtest/gtest.h>

namespace {

using K = TControlKind;

TControlTemplate Control(K kind, const char *text, int x, int y, int w, int h) {
  return TControlTemplate{-1, kind, text, 0, x, y, w, h};
}

TEST(ControlLabelsTest, AListIsNamedByTheNearestLabelAboveWithNothingBetween) {
  // Two labelled lists side by side, and below them two lists whose nearest
  // label lies beyond another list: those stay unnamed.
  const std::vector<TControlTemplate> controls = {
      Control(K::Static, "&Enabled:", 12, 5, 46, 7),
      Control(K::Static, "Disabled:", 75, 5, 45, 7),
      Control(K::ListBox, "", 6, 15, 58, 54),
      Control(K::ListBox, "", 69, 15, 58, 54),
      Control(K::ListBox, "", 6, 70, 95, 31),
      Control(K::Static, "Beside", 130, 60, 30, 8),
      Control(K::ListBox, "", 106, 70, 21, 31),
      // A frame around a list does not hide its label.
      Control(K::Static, "Translation:", 200, 4, 50, 8),
      Control(K::GroupBox, "", 190, 10, 70, 70),
      Control(K::ListBox, "", 200, 14, 50, 60),
  };
  EXPECT_EQ(LabelAbove(controls, 2), "Enabled");
  EXPECT_EQ(LabelAbove(controls, 3), "Disabled");
  EXPECT_EQ(LabelAbove(controls, 4), "");
  EXPECT_EQ(LabelAbove(controls, 6), "");
  EXPECT_EQ(LabelAbove(controls, 9), "Translation");
  // The label's text as written, for a backend to show it in another language.
  EXPECT_EQ(NamingLabel(controls, 2), "&Enabled:");
  EXPECT_EQ(NamingLabel(controls, 4), "");
  EXPECT_EQ(NamingLabel(controls, 0), ""); // a static names nothing
}

} // namespace
