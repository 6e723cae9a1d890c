#include "content/settings_file.h"

#include "content/settings.h"
#include "platform/profile.h"

std::string SettingsFileProblem() {
  return platform::ProfileReadProblem(SettingsFile);
}

int ReadSettingInt(std::string_view key, int defaultValue) {
  return platform::GetPrivateProfileInt(SettingsSection, key, defaultValue, SettingsFile);
}

std::string ReadSettingText(std::string_view key, std::string_view defaultValue,
                            std::size_t bufferSize) {
  return platform::GetPrivateProfileString(SettingsSection, key, defaultValue, bufferSize,
                                           SettingsFile);
}

bool WriteSettings(const std::vector<platform::ProfileSetting> &values, std::string &error) {
  return platform::WritePrivateProfileStrings(SettingsSection, values, SettingsFile, error);
}

bool WriteSettingInt(std::string_view key, int value, std::string &error) {
  return WriteSettings({{std::string(key), std::to_string(value)}}, error);
}
