#pragma once

// The control ids of the dialogs "READPASSAGES" (the day's passages to
// read) and "BIBLE" (the Bible they are read in), shared by their templates,
// the dialogs and their tests.

#include "resources/dialog_ids.h"

namespace readpassages {

inline constexpr int PassageText = 101;

// The commands of the window's keys.
inline constexpr unsigned CopyCommand = 1001;
inline constexpr unsigned MarkReadCommand = 1002;
inline constexpr unsigned ZoomInCommand = 1003;
inline constexpr unsigned ZoomOutCommand = 1004;
inline constexpr unsigned ZoomResetCommand = 1005;

} // namespace readpassages

namespace bible {

inline constexpr int BibleList = 101;

} // namespace bible
