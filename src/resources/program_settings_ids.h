#pragma once

// The control ids of the dialog "PROGRAMSETTINGS", shared by its template,
// the Program Settings dialog and its tests.

#include "resources/dialog_ids.h"

namespace programsettings {

inline constexpr int SaveButton = 9;
inline constexpr int DateRadio = 110;
inline constexpr int IncrementRadio = 111;
inline constexpr int RandomRadio = 112;
inline constexpr int SaveFileBox = 113;
inline constexpr int JustifyTextBox = 114;
inline constexpr int UpdateDailyBox = 115;
inline constexpr int TopmostBox = 116;
inline constexpr int ScreenSaverBox = 117;
inline constexpr int EveryStartupBox = 118;
inline constexpr int BlankLinesBox = 119;

// The radio button of each quote method, by the name the settings file
// stores for the method.
struct MethodRadio {
  const char *method;
  int radio;
};
inline constexpr MethodRadio MethodRadios[] = {
    {"Date", DateRadio},
    {"Increment", IncrementRadio},
    {"Random", RandomRadio},
};

} // namespace programsettings
