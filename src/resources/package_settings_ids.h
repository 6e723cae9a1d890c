#pragma once

// The control ids of the dialog "PACKAGESETTINGS", shared by its template,
// the Package Settings dialog and its tests.

#include "resources/dialog_ids.h"

namespace packagesettings {

inline constexpr int OnOffButton = 11;
inline constexpr int EnabledList = 101;
inline constexpr int DisabledList = 102;
inline constexpr int FontList = 103;
inline constexpr int SizeList = 104;
inline constexpr int EnabledLabel = 108;
inline constexpr int DefaultFontText = 109;
inline constexpr int AssignButton = 159;
inline constexpr int SetDefaultButton = 160;
inline constexpr int ClearDefaultButton = 161;

} // namespace packagesettings
