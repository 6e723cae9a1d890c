#pragma once

// The control ids of the dialog "REFERENCE", shared by its template, the
// References dialog and its tests.

#include "resources/dialog_ids.h"

namespace reference {

inline constexpr int ShowButton = 13;
inline constexpr int PictureControl = 100;
inline constexpr int FileList = 102;

} // namespace reference
