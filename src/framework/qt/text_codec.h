#pragma once

// The program keeps text as code page 1252 bytes; Qt wants Unicode.

#include <QString>
#include <string>
#include <string_view>

QString FromWindows1252(std::string_view bytes);
// Characters code page 1252 cannot hold become '?'.
std::string ToWindows1252(const QString &text);
