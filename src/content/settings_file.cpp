#include "content/settings_file.h"

#include "content/settings.h"
#include "platform/profile.h"

std::string SettingsFileProblem() {
  const platform::Result<void> readable = platform::CheckProfileReadable(SettingsFile);
  return readable ? std::string() : readable.error();
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
  const platform::Result<void> written =
      platform::WritePrivateProfileStrings(SettingsSection, values, SettingsFile);
  if (!written)
    error = written.error();
  return written.has_value();
}

bool WriteSettingInt(std::string_view key, int value, std::string &error) {
  return WriteSettings({{std::string(key), std::to_string(value)}}, error);
}
