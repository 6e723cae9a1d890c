#pragma once

// The label of a control that has no text of its own (a list box, an edit),
// for screen readers: the static text just above it in the dialog's
// template, or else just left of it, its mnemonic ampersands and a closing
// colon taken off ("Enabled:" names the list below it "Enabled").

#include <string>
#include <string_view>
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

// The text, as the template has it ("&Enabled:"), of the static whose words
// ControlName gives controls[index]; "" when the control is named otherwise.
// A backend that shows the label in another language says its words too.
std::string NamingLabel(const std::vector<TControlTemplate> &controls, std::size_t index);

// A label's text as a name: mnemonic ampersands and a closing colon gone.
std::string SpokenLabel(std::string_view text);
