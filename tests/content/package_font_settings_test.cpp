#include "content/package_font_settings.h"

#include <gtest/gtest.h>

#include "content/settings.h"
#include "content/settings_file.h"
#include "support/config_sandbox.h"

namespace {

TEST(PackageFontSettingsTest, KeysAreTheLowerCaseFileNameAndAbsentOnesGiveSystemTen) {
  testsupport::ConfigSandbox sandbox;
  EXPECT_EQ(PackageFontName("Verse.QXP"), "System");
  EXPECT_EQ(PackageFontSize("Verse.QXP"), 10);
  EXPECT_FALSE(PackageHasOwnFont("Verse.QXP"));

  std::string error;
  ASSERT_TRUE(StorePackageFont("Verse.QXP", "DejaVu Serif", 14, error)) << error;
  EXPECT_EQ(ReadSettingText("verse.qxp_fontname", "", 256), "DejaVu Serif");
  EXPECT_EQ(ReadSettingInt("verse.qxp_fontsize", 0), 14);
  EXPECT_EQ(PackageFontName("VERSE.qxp"), "DejaVu Serif");
  EXPECT_EQ(PackageFontSize("verse.qxp"), 14);
  EXPECT_TRUE(PackageHasOwnFont("verse.QXP"));

  // Stored as given, read as the day's load reads it: cut to its buffer.
  const std::string longName(70, 'F');
  ASSERT_TRUE(StorePackageFont("long.qxp", longName, 9, error)) << error;
  EXPECT_EQ(ReadSettingText("long.qxp_fontname", "", 256), longName);
  EXPECT_EQ(PackageFontName("long.qxp"), longName.substr(0, PackageFontNameBuffer - 1));

  // An empty name stored is no font of the package's own.
  WriteSettingText("empty.qxp_fontname", "");
  EXPECT_FALSE(PackageHasOwnFont("empty.qxp"));
}

TEST(PackageFontSettingsTest, AFailedStoreSaysWhy) {
  testsupport::ConfigSandbox sandbox;
  sandbox.BlockFolder();
  std::string error;
  EXPECT_FALSE(StorePackageFont("verse.qxp", "DejaVu Serif", 14, error));
  EXPECT_FALSE(error.empty());
}

} // namespace
