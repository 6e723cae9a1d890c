#pragma once

// Saving settings from their mirrors, by the keys of the settings table.

#include <string>
#include <vector>

#include "content/settings_table.h"
#include "platform/profile.h"
#include "platform/result.h"

// The text a setting of settings is stored as: numbers as "%d", the quote
// method by its name.
std::string StoredText(const Settings &settings, const SettingMirror &mirror);

// The key and the stored text of the setting kept in mirror (numbers as
// "%d", the quote method by its name), for a write together with other keys.
// A member that is not in the table gives an empty key, which every write
// refuses.
platform::ProfileSetting StoredSetting(const Settings &settings, const SettingMirror &mirror);

// The settings kept in the given mirrors of settings, written in one write:
// all of them or none; when the file could not be written, why.
platform::Result<void> StoreSettings(const Settings &settings,
                                     const std::vector<SettingMirror> &mirrors);
