#include "content/settings_file.h"

#include "content/settings.h"
#include "platform/profile.h"

platform::Result<void> CheckSettingsFile() {
  return platform::CheckProfileReadable(SettingsFile);
}

int ReadSettingInt(std::string_view key, int defaultValue) {
  return platform::GetPrivateProfileInt(SettingsSection, key, defaultValue, SettingsFile);
}

std::string ReadSettingText(std::string_view key, std::string_view defaultValue,
                            std::size_t bufferSize) {
  return platform::GetPrivateProfileString(SettingsSection, key, defaultValue, bufferSize,
                                           SettingsFile);
}

platform::Result<void> WriteSettings(const std::vector<platform::ProfileSetting> &values) {
  return platform::WritePrivateProfileStrings(SettingsSection, values, SettingsFile);
}
