#include "dialogs/package_settings_dialog.h"

#include <gtest/gtest.h>

#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "framework/controls.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "support/config_sandbox.h"
#include "support/temp_dir.h"

namespace {

constexpr int Enabled = 101, Disabled = 102, Fonts = 103, Sizes = 104;

class PackageSettingsTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    ResetDayState();
    packages.Write("verse.QXP", "v");
    packages.Write("quiz.QXP", "q");
    packages.Write("greek.OFF", "g");
  }
  void TearDown() override { FreeDayEntries(DayEntries); }

  static std::string Selected(TDialog &d, int list) {
    TListBox box(d, list);
    return box.GetString(box.GetSelIndex());
  }
  int Run() { return TPackageSettingsDialog(nullptr).Execute(); }

  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir packages;
  testsupport::WorkingDirectory cwd{packages.Path()};
  HeadlessBackend backend;
};

TEST_F(PackageSettingsTest, ListsPackagesFontsAndSizesAndShowsAPackagesFont) {
  WriteSettingInt("quiz.qxp_fontsize", 8);
  WriteSettingText("quiz.qxp_fontname", "DejaVu Serif");
  WriteSettingInt("verse.qxp_fontsize", 100);
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    EXPECT_EQ(TListBox(d, Enabled).GetCount(), 2);
    EXPECT_EQ(TListBox(d, Disabled).GetString(0), "greek.OFF");
    EXPECT_EQ(TListBox(d, Sizes).GetCount(), 75);
    EXPECT_EQ(TListBox(d, Sizes).GetString(0), "06");
    EXPECT_EQ(TListBox(d, Sizes).GetString(74), "80");
    d.UserSelect(Enabled, 1); // verse.QXP: no font stored, size 100 not listed
    EXPECT_EQ(Selected(d, Fonts), "System");
    EXPECT_EQ(Selected(d, Sizes), "");
    d.UserSelect(Enabled, 0); // quiz.QXP
    EXPECT_EQ(Selected(d, Fonts), "DejaVu Serif");
    EXPECT_EQ(Selected(d, Sizes), "08");
    d.UserSelect(Disabled, 0); // a disabled package clears the rest
    EXPECT_EQ(Selected(d, Enabled), "");
    EXPECT_EQ(Selected(d, Fonts), "");
    d.UserSelect(Fonts, 1); // and takes no font
    EXPECT_EQ(Selected(d, Fonts), "");
    d.UserClick(1);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_FALSE(ReloadPending);
}

TEST_F(PackageSettingsTest, DoubleClicksSwitchPackagesOffAndOnAgain) {
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserDoubleClick(Enabled, 1); // verse.QXP
    EXPECT_EQ(TListBox(d, Enabled).GetCount(), 1);
    EXPECT_EQ(TListBox(d, Disabled).GetString(1), "verse.OFF");
    d.UserDoubleClick(Disabled, 1);
    EXPECT_EQ(TListBox(d, Enabled).GetString(1), "verse.QXP");
    d.UserClick(1);
  });
  Run();
  EXPECT_TRUE(packages.Exists("verse.QXP"));
  EXPECT_FALSE(packages.Exists("verse.OFF"));
  EXPECT_TRUE(ReloadPending);
}

TEST_F(PackageSettingsTest, SwitchingNeverReplacesAnotherFile) {
  packages.Write("verse.OFF", "older");
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserSelect(Enabled, 1);
    d.UserClick(11);
    d.UserClick(1);
  });
  Run();
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_NE(backend.Messages()[0].Text.find("verse.QXP"), std::string::npos);
  EXPECT_NE(backend.Messages()[0].Text.find("verse.OFF"), std::string::npos);
  EXPECT_EQ(packages.Read("verse.QXP"), "v");
  EXPECT_EQ(packages.Read("verse.OFF"), "older");
  EXPECT_FALSE(ReloadPending);
}

TEST_F(PackageSettingsTest, OnOffAndAssignNeedTheirChoices) {
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserClick(11);
    d.UserSelect(Enabled, 0);
    d.UserSelect(Sizes, -1);
    d.UserClick(159);
    d.UserClick(998);
    d.UserClick(1);
  });
  Run();
  // The size list was touched last, so OK asks about the font as well.
  ASSERT_EQ(backend.Messages().size(), 4u);
  EXPECT_EQ(backend.Messages()[3].Caption, "PackageSettings");
  EXPECT_EQ(backend.Messages()[0].Text, "First highlight a package to turn on or off.");
  EXPECT_EQ(backend.Messages()[1].Text, "First choose a Package, Font, and Size.");
  EXPECT_EQ(backend.Messages()[1].Caption, "Oops...");
  EXPECT_EQ(backend.Messages()[2].Caption, "Package Settings Help");
}

TEST_F(PackageSettingsTest, AssignStoresTheFontAndShowsItAtOnce) {
  auto entry = std::make_unique<TDayEntry>();
  entry->Text = "text";
  entry->FileName = "verse.qxp";
  DayEntries = std::move(entry);
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserSelect(Enabled, 1);
    TListBox(d, Fonts).SelectString("DejaVu Sans Mono");
    d.UserSelect(Fonts, TListBox(d, Fonts).GetSelIndex());
    TListBox(d, Sizes).SelectString("14");
    d.UserSelect(Sizes, TListBox(d, Sizes).GetSelIndex());
    d.UserClick(159);
    d.UserClick(1);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(ReadSettingText("verse.qxp_fontname", "", 256), "DejaVu Sans Mono");
  EXPECT_EQ(ReadSettingInt("verse.qxp_fontsize", 0), 14);
  EXPECT_EQ(DayEntries->FontName, "DejaVu Sans Mono");
  EXPECT_EQ(DayEntries->FontSize, 14);
  EXPECT_TRUE(ReloadPending);
  EXPECT_TRUE(backend.Messages().empty()); // assigned: OK asks nothing
}

TEST_F(PackageSettingsTest, OkAsksWhenAFontWasPickedButNotAssigned) {
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserSelect(Enabled, 1);
    d.UserSelect(Sizes, 3);
    d.UserClick(1); // Yes: back to the dialog
    EXPECT_FALSE(d.Ended());
    d.UserClick(1); // No: closes without writing
  });
  backend.AnswerNextMessage(IDYES);
  backend.AnswerNextMessage(IDNO);
  EXPECT_EQ(Run(), IDOK);
  ASSERT_EQ(backend.Messages().size(), 2u);
  EXPECT_EQ(backend.Messages()[0].Text,
            "Font settings were changed for verse.QXP. Do you want to go back and assign the "
            "new font before exiting?");
  EXPECT_EQ(backend.Messages()[0].Caption, "PackageSettings");
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONQUESTION | MB_YESNO | MB_TASKMODAL);
  EXPECT_EQ(ReadSettingInt("verse.qxp_fontsize", -1), -1);
}

} // namespace
