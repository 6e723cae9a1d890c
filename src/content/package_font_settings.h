#pragma once

// A package's own font: the keys <file>_fontname and <file>_fontsize of
// [Selwarth], with the package's file name in lower case as the daily load
// compares it. A package without them is shown in "System" at 10.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

// A package's face name as the day's load reads it: at most
// PackageFontNameBuffer - 1 characters.
inline constexpr std::size_t PackageFontNameBuffer = 60;

// The face name as the daily load reads it, cut to PackageFontNameBuffer - 1
// characters.
std::string PackageFontName(std::string_view fileName);
// The size as stored; the day's entry keeps it as a 16-bit number.
int PackageFontSize(std::string_view fileName);

// A face name as the day's load would read it back once stored.
std::string FontNameAsRead(std::string_view faceName);

// Whether a face name is stored for the package (an empty one is none).
bool PackageHasOwnFont(std::string_view fileName);

// The two keys with their values, for a write together with others.
std::vector<platform::ProfileSetting> PackageFontValues(std::string_view fileName,
                                                        std::string_view faceName, int size);

// Stores both keys in one write. False when the file could not be written;
// error says why.
bool StorePackageFont(std::string_view fileName, std::string_view faceName, int size,
                      std::string &error);
