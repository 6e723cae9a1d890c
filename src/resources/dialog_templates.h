#pragma once

// The dialog templates of the program: each dialog's caption, style, place
// and size, and its controls, in dialog units.

#include "framework/dialog_template.h"

const TDialogTemplate &PackageSettingsTemplate(); // "PACKAGESETTINGS"
const TDialogTemplate &ProgramSettingsTemplate(); // "PROGRAMSETTINGS"
const TDialogTemplate &ScreenSaverTemplate();     // "SCREENSAVER"
const TDialogTemplate &StartDateTemplate();       // "STARTDATE"
const TDialogTemplate &CalendarTemplate();        // "CALENDAR"
const TDialogTemplate &ReferenceTemplate();       // "REFERENCE"
const TDialogTemplate &AboutPackagesTemplate();   // "ABOUTPACKAGES"
const TDialogTemplate &AboutSelwarthTemplate();   // "ABOUTSELWARTH"
const TDialogTemplate &DdeSettingsTemplate();     // "DDESETTINGS"
const TDialogTemplate &ReminderTemplate();        // "REMINDER"
const TDialogTemplate &ReadPassagesTemplate();    // "READPASSAGES"
const TDialogTemplate &BibleTemplate();           // "BIBLE"

// The style of the program's modal dialogs: a modal frame with a caption and
// a system menu.
inline constexpr std::uint32_t ModalDialogStyle = 0x80C80080;
