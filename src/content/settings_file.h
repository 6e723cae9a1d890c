#pragma once

// Reading and writing keys of section [Selwarth] of SELWARTH.INI. Every call
// goes to the settings file; integers are written as "%d". A write that fails
// returns false and says why in error, in words fit for a message.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

// Why the settings file is there but cannot be read (too large, not a
// regular file, no permission), or "": reads then give the defaults, and
// every write fails the same way.
std::string SettingsFileProblem();

int ReadSettingInt(std::string_view key, int defaultValue);
// The stored text cut to bufferSize - 1 characters, or defaultValue.
std::string ReadSettingText(std::string_view key, std::string_view defaultValue,
                            std::size_t bufferSize);

// Several settings written together: all of them or none.
bool WriteSettings(const std::vector<platform::ProfileSetting> &values, std::string &error);
bool WriteSettingInt(std::string_view key, int value, std::string &error);
