#pragma once

// Keys a test sets in the settings file before the program reads it. A
// write that fails fails the test at once, with the reason.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "content/settings_file.h"

inline void WriteSettingText(std::string_view key, std::string_view value) {
  const platform::Result<void> written = WriteSettings({{std::string(key), std::string(value)}});
  EXPECT_TRUE(written) << "setting " << key << ": " << (written ? "" : written.error());
}

inline void WriteSettingInt(std::string_view key, int value) {
  WriteSettingText(key, std::to_string(value));
}
