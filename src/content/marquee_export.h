#pragma once

// The screen saver text: the chosen package's entry for the day, written to
// the key "Text" of section "Screen Saver.Marquee" in CONTROL.INI.

#include <string>

#include "platform/result.h"

struct TDayEntry;

inline constexpr std::size_t MarqueeLength = 255;

// The entry's first piece; then "..." and the trailer for a quiz answer, or a
// space and the trailer for any other marker; in code page 1252, as the
// screen saver reads it, cut to 255 characters.
std::string MarqueeText(const TDayEntry &entry);

// Writes MarqueeText(entry) into CONTROL.INI, never through a symbolic link
// and never into anything but a regular file. A failure says why.
platform::Result<void> WriteMarqueeText(const TDayEntry &entry);
