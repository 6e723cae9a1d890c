#pragma once

// The control ids of the dialog "DDESETTINGS", shared by its template, the
// DDE Settings dialog and its tests.

#include "resources/dialog_ids.h"

namespace ddesettings {

inline constexpr int DdeRetryButton = 4;
inline constexpr int DdeLogosRadio = 101;
inline constexpr int DdeQuickVerseRadio = 102;
inline constexpr int DdeSeedMasterRadio = 103;
inline constexpr int DdeOtherRadio = 104;
inline constexpr int DdeNoneRadio = 105;
inline constexpr int DdeServerGroup = 106;
// Xiphos, reached over the session bus rather than DDE; in the radio group
// between SeedMaster and Other.
inline constexpr int DdeXiphosRadio = 107;
inline constexpr int DdeTranslationList = 120;
inline constexpr int DdeIdEdit = 130;

} // namespace ddesettings
