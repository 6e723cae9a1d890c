#pragma once

// The control ids of the dialogs "ABOUTPACKAGES" and "ABOUTSELWARTH", shared
// by their templates, the two About dialogs and their tests.

#include "resources/dialog_ids.h"

namespace aboutpackages {

inline constexpr int PackageList = 101;
inline constexpr int DescriptionEdit = 102;

} // namespace aboutpackages

namespace aboutselwarth {

inline constexpr int VersionStatic = 102;
inline constexpr int PlatformStatic = 112;
inline constexpr int LeftIcon = 400;
inline constexpr int RightIcon = 31944;

} // namespace aboutselwarth
