#pragma once

// The control ids of the dialog "SCREENSAVER", shared by its template, the
// Screen Saver dialog and its tests.

#include "resources/dialog_ids.h"

namespace screensaver {

inline constexpr int PackageList = 101;

} // namespace screensaver
