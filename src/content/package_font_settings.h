#pragma once

// A package's own font: the keys <file>_fontname and <file>_fontsize of
// [Selwarth], with the package's file name in lower case as the daily load
// compares it. A package without a face name of its own is shown in the
// default font (DefaultFontName, DefaultFontSize in content/settings.h) when
// one is set, else in "System" at 10 (or the size of its own size key).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "content/settings.h"
#include "platform/profile.h"
#include "platform/result.h"

// A package's face name as the day's load reads it: at most
// PackageFontNameBuffer - 1 characters.
inline constexpr std::size_t PackageFontNameBuffer = FontNameBuffer;

// The face name as the daily load reads it, cut to PackageFontNameBuffer - 1
// characters, or the default font's.
std::string PackageFontName(const Settings &settings, std::string_view fileName);
// The size as stored, or the default font's; the day's entry keeps it as a
// 16-bit number.
int PackageFontSize(const Settings &settings, std::string_view fileName);

// A face name as the day's load would read it back once stored.
std::string FontNameAsRead(std::string_view faceName);

// Whether a face name is stored for the package (an empty one is none).
bool PackageHasOwnFont(std::string_view fileName);

// The two keys with their values, for a write together with others.
std::vector<platform::ProfileSetting> PackageFontValues(std::string_view fileName,
                                                        std::string_view faceName, int size);

// Stores both keys in one write. A failure says why the file could not be
// written.
platform::Result<void> StorePackageFont(std::string_view fileName, std::string_view faceName,
                                        int size);
