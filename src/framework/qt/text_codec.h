#pragma once

// Qt wants Unicode. The program's text is UTF-8, with a byte that is not
// part of a well-formed sequence read as its code page 1252 character (see
// platform/code_page_1252.h); what the user types goes back to the program in
// code page 1252, which the settings keep.

#include <QString>
#include <string>
#include <string_view>

QString FromProgramText(std::string_view text);
// A character code page 1252 lacks becomes its best fit, else '?'.
std::string ToWindows1252(const QString &text);
