#pragma once

// The menu "DDEMENU" and accelerator table 1 of the main window, and the
// command ids they send.

#include "framework/accelerator.h"
#include "framework/menu.h"

inline constexpr unsigned CM_NEW = 101;
inline constexpr unsigned CM_EXIT = 102;
inline constexpr unsigned CM_PACKAGES = 201;
inline constexpr unsigned CM_PROGRAM = 202;
inline constexpr unsigned CM_STARTDATE = 203;
inline constexpr unsigned CM_DAYBACKWARD = 204;
inline constexpr unsigned CM_DAYFORWARD = 205;
inline constexpr unsigned CM_DAYRESET = 206;
inline constexpr unsigned CM_DDE = 207;
inline constexpr unsigned CM_CATCHUP = 208;
inline constexpr unsigned CM_STARTOVER = 209;
inline constexpr unsigned CM_BIBLE = 210;
// The daily reminder's dialog.
inline constexpr unsigned CM_REMINDER = 211;
inline constexpr unsigned CM_REFERENCES = 301;
inline constexpr unsigned CM_SHOWANSWERS = 302;
inline constexpr unsigned CM_HIDEMENUS = 303;
inline constexpr unsigned CM_COPYTEXT = 304;
inline constexpr unsigned CM_ZOOMIN = 305;
inline constexpr unsigned CM_ZOOMOUT = 306;
inline constexpr unsigned CM_ZOOMRESET = 307;
inline constexpr unsigned CM_MARKREAD = 308;
// Marks every plan day before the one shown read.
inline constexpr unsigned CM_MARKEARLIER = 310;
// The Calendar, which the date on the menu bar (CM_DATE) opens too.
inline constexpr unsigned CM_CALENDAR = 309;
inline constexpr unsigned CM_LINKMORNING = 3051;
inline constexpr unsigned CM_LINKEVENING = 3052;
inline constexpr unsigned CM_LINKQUIZ = 3053;
inline constexpr unsigned CM_LINKVERSE = 3054;
inline constexpr unsigned CM_READPASSAGES = 3055;
inline constexpr unsigned CM_ABOUTPACKAGES = 402;
inline constexpr unsigned CM_ABOUT = 403;
inline constexpr unsigned CM_DATE = 501;

// The main window's menu bar, each command showing its key from the
// accelerator table; the date item holds three blanks until the first date
// is written.
TMenu MainMenu();

// The main window's accelerator table.
TAcceleratorTable MainAccelerators();

// The program's icon resource.
inline constexpr int ProgramIcon = 1;
