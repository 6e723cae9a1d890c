#pragma once

// Reading and writing keys of section [Selwarth] of SELWARTH.INI. Every call
// goes to the settings file; integers are written as "%d". A write that fails
// says why, in words fit for a message.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"
#include "platform/result.h"

// Whether the settings file, when there, can be read; if not, why (too
// large, not a regular file, no permission): reads then give the defaults,
// and every write fails the same way.
platform::Result<void> CheckSettingsFile();

int ReadSettingInt(std::string_view key, int defaultValue);
// The stored text cut to bufferSize - 1 characters, or defaultValue.
std::string ReadSettingText(std::string_view key, std::string_view defaultValue,
                            std::size_t bufferSize);

// Several settings written together: all of them or none.
platform::Result<void> WriteSettings(const std::vector<platform::ProfileSetting> &values);
