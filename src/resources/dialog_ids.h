#pragma once

// Control ids that mean the same in every dialog of the program. OK and
// Cancel are the framework's IDOK and IDCANCEL, the results they close with.

#include "framework/message_box.h"

inline constexpr int HelpButton = 998;
