#pragma once

// The label of a control that has no text of its own (a list box, an edit),
// for screen readers: the static text just above it in the dialog's
// template, or else just left of it, its mnemonic ampersands and a closing
// colon taken off ("Enabled:" names the list below it "Enabled").

#include <string>
#include <vector>

#include "framework/dialog_template.h"

// The label of controls[index], or "" when no static text lies above it
// with nothing between: a static whose bottom is at most the control's top,
// overlapping it sideways, the nearest such, and no other control that
// overlaps the control sideways in the band between them.
std::string LabelAbove(const std::vector<TControlTemplate> &controls, std::size_t index);

// The same with rows and columns traded: the nearest static left of the
// control, overlapping it vertically, with nothing between.
std::string LabelLeft(const std::vector<TControlTemplate> &controls, std::size_t index);

// What a screen reader calls controls[index]: the template's name; for a
// list, an edit or a picture without one, its label above or left.
std::string ControlName(const std::vector<TControlTemplate> &controls, std::size_t index);
