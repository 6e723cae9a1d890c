#include "content/settings_file.h"

#include "content/settings.h"
#include "platform/profile.h"

int ReadSettingInt(std::string_view key, int defaultValue) {
  return platform::GetPrivateProfileInt(SettingsSection, key, defaultValue, SettingsFile);
}

std::string ReadSettingText(std::string_view key, std::string_view defaultValue,
                            std::size_t bufferSize) {
  return platform::GetPrivateProfileString(SettingsSection, key, defaultValue, bufferSize,
                                           SettingsFile);
}

bool WriteSettingInt(std::string_view key, int value) {
  return WriteSettingText(key, std::to_string(value));
}

bool WriteSettingText(std::string_view key, std::string_view value) {
  return platform::WritePrivateProfileString(SettingsSection, key, value, SettingsFile);
}

bool WriteSettings(const std::vector<platform::ProfileSetting> &values) {
  return platform::WritePrivateProfileStrings(SettingsSection, values, SettingsFile);
}
