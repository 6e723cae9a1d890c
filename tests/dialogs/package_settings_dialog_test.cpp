#include "dialogs/package_settings_dialog.h"

#include <gtest/gtest.h>

#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "framework/controls.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "resources/package_settings_ids.h"
#include "support/config_sandbox.h"
#include "support/layer_reset.h"
#include "support/prepared_settings.h"
#include "support/temp_dir.h"

namespace {

using namespace packagesettings;

class PackageSettingsTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetDialogsLayers();
    packages.Write("verse.QXP", "v");
    packages.Write("quiz.QXP", "q");
    packages.Write("greek.OFF", "g");
  }
  void TearDown() override { FreeDayEntries(day.DayEntries); }

  static std::string Selected(TDialog &d, int list) {
    TListBox box(d, list);
    return box.GetString(box.GetSelIndex());
  }
  int Run() { return TPackageSettingsDialog(nullptr, settings, day).Execute(); }

  // What the program would lend the dialogs.
  Settings settings;
  DayState day;
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
    EXPECT_EQ(TListBox(d, EnabledList).GetCount(), 2);
    EXPECT_EQ(TListBox(d, DisabledList).GetString(0), "greek.OFF");
    EXPECT_EQ(TListBox(d, SizeList).GetCount(), 75);
    EXPECT_EQ(TListBox(d, SizeList).GetString(0), "06");
    EXPECT_EQ(TListBox(d, SizeList).GetString(74), "80");
    d.UserSelect(EnabledList, 1); // verse.QXP: no font stored, size 100 not listed
    EXPECT_EQ(Selected(d, FontList), "System");
    EXPECT_EQ(Selected(d, SizeList), "");
    d.UserSelect(EnabledList, 0); // quiz.QXP
    EXPECT_EQ(Selected(d, FontList), "DejaVu Serif");
    EXPECT_EQ(Selected(d, SizeList), "08");
    d.UserSelect(DisabledList, 0); // a disabled package clears the rest
    EXPECT_EQ(Selected(d, EnabledList), "");
    EXPECT_EQ(Selected(d, FontList), "");
    d.UserSelect(FontList, 1); // and takes no font
    EXPECT_EQ(Selected(d, FontList), "");
    d.UserClick(IDOK);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_FALSE(day.ReloadPending);
}

TEST_F(PackageSettingsTest, DoubleClicksSwitchPackagesOffAndOnAgain) {
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserDoubleClick(EnabledList, 1); // verse.QXP
    EXPECT_EQ(TListBox(d, EnabledList).GetCount(), 1);
    EXPECT_EQ(TListBox(d, DisabledList).GetString(1), "verse.OFF");
    d.UserDoubleClick(DisabledList, 1);
    EXPECT_EQ(TListBox(d, EnabledList).GetString(1), "verse.QXP");
    d.UserClick(IDOK);
  });
  Run();
  EXPECT_TRUE(packages.Exists("verse.QXP"));
  EXPECT_FALSE(packages.Exists("verse.OFF"));
  EXPECT_TRUE(day.ReloadPending);
}

TEST_F(PackageSettingsTest, SwitchingNeverReplacesAnotherFile) {
  packages.Write("verse.OFF", "older");
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserSelect(EnabledList, 1);
    d.UserClick(OnOffButton);
    d.UserClick(IDOK);
  });
  Run();
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_NE(backend.Messages()[0].Text.find("verse.QXP"), std::string::npos);
  EXPECT_NE(backend.Messages()[0].Text.find("verse.OFF"), std::string::npos);
  EXPECT_EQ(packages.Read("verse.QXP"), "v");
  EXPECT_EQ(packages.Read("verse.OFF"), "older");
  EXPECT_FALSE(day.ReloadPending);
}

TEST_F(PackageSettingsTest, OnOffAndAssignNeedTheirChoices) {
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserClick(OnOffButton);
    d.UserSelect(EnabledList, 0);
    d.UserSelect(SizeList, -1);
    d.UserClick(AssignButton);
    d.UserClick(HelpButton);
    d.UserClick(IDOK);
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
  day.DayEntries = std::move(entry);
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserSelect(EnabledList, 1);
    TListBox(d, FontList).SelectString("DejaVu Sans Mono");
    d.UserSelect(FontList, TListBox(d, FontList).GetSelIndex());
    TListBox(d, SizeList).SelectString("14");
    d.UserSelect(SizeList, TListBox(d, SizeList).GetSelIndex());
    d.UserClick(AssignButton);
    d.UserClick(IDOK);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(ReadSettingText("verse.qxp_fontname", "", 256), "DejaVu Sans Mono");
  EXPECT_EQ(ReadSettingInt("verse.qxp_fontsize", 0), 14);
  EXPECT_EQ(day.DayEntries->FontName, "DejaVu Sans Mono");
  EXPECT_EQ(day.DayEntries->FontSize, 14);
  EXPECT_TRUE(day.ReloadPending);
  EXPECT_TRUE(backend.Messages().empty()); // assigned: OK asks nothing
}

// A package without a font of its own shows the default font, set from the
// font lists with no package selected; its own font keys stay unwritten.
TEST_F(PackageSettingsTest, TheDefaultFontIsForPackagesWithoutTheirOwnAndCanBeCleared) {
  WriteSettingText("quiz.qxp_fontname", "DejaVu Serif");
  day.DayEntries = std::make_unique<TDayEntry>();
  day.DayEntries->FileName = "verse.QXP";
  backend.InDialog("PACKAGESETTINGS", [this](TDialog &d) {
    EXPECT_EQ(TStatic(d, DefaultFontText).GetText(), "Default font: System 10");
    TListBox(d, FontList).SelectString("DejaVu Sans Mono");
    d.UserSelect(FontList, TListBox(d, FontList).GetSelIndex());
    d.UserSelect(SizeList, 8); // "14"
    d.UserClick(SetDefaultButton);
    EXPECT_EQ(TStatic(d, DefaultFontText).GetText(), "Default font: DejaVu Sans Mono 14");
    EXPECT_EQ(day.DayEntries->FontName, "DejaVu Sans Mono"); // shown at once
    EXPECT_EQ(ReadSettingInt("DefaultFontSize", 0), 14);
    d.UserSelect(EnabledList, 1); // verse.QXP
    EXPECT_EQ(Selected(d, FontList), "DejaVu Sans Mono");
    d.UserSelect(EnabledList, 0); // quiz.QXP keeps its own
    EXPECT_EQ(Selected(d, FontList), "DejaVu Serif");
    d.UserClick(ClearDefaultButton);
    EXPECT_EQ(day.DayEntries->FontName, "System");
    d.UserClick(IDOK);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_TRUE(backend.Messages().empty());
  EXPECT_TRUE(day.ReloadPending);
  EXPECT_EQ(ReadSettingText("DefaultFontName", "x", 256), "");
  EXPECT_EQ(ReadSettingText("verse.qxp_fontname", "", 256), "");
}

TEST_F(PackageSettingsTest, OkAsksWhenAFontWasPickedButNotAssigned) {
  backend.InDialog("PACKAGESETTINGS", [](TDialog &d) {
    d.UserSelect(EnabledList, 1);
    d.UserSelect(SizeList, 3);
    d.UserClick(IDOK); // Yes: back to the dialog
    EXPECT_FALSE(d.Ended());
    d.UserClick(IDOK); // No: closes without writing
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
