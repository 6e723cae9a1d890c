#include "dialogs/package_settings_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "framework/controls.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "resources/package_settings_ids.h"
#include "support/config_sandbox.h"
#include "support/devotional_library.h"
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
  // Selects the item of that name in list.
  static void UserSelectNamed(TDialog &d, int list, const std::string &name) {
    const int index = TListBox(d, list).FindString(name);
    ASSERT_GE(index, 0) << name;
    ASSERT_EQ(TListBox(d, list).GetString(index), name);
    d.UserSelect(list, index);
  }
  static bool Lists(TDialog &d, int list, const std::string &name) {
    TListBox box(d, list);
    const int index = box.FindString(name);
    return index >= 0 && box.GetString(index) == name;
  }

  // What the program would lend the dialogs.
  Settings settings;
  DayState day;
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir packages;
  testsupport::WorkingDirectory cwd{packages.Path()};
  testsupport::DevotionalLibrary library;
  HeadlessBackend backend;
};

// Every file and folder under root with its mode, size and bytes.
std::map<std::string, std::string> Snapshot(const std::filesystem::path &root) {
  std::map<std::string, std::string> files;
  for (const auto &entry : std::filesystem::recursive_directory_iterator(root)) {
    std::string &seen = files[entry.path().lexically_relative(root).string()];
    seen = std::to_string(static_cast<int>(entry.status().permissions()));
    if (entry.is_regular_file())
      seen += " " + testsupport::ReadFileBytes(entry.path());
  }
  return files;
}

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

// A devotional is switched in the settings file: its files, maybe the
// system's and read-only, are left as they are.
TEST_F(PackageSettingsTest, ADevotionalIsSwitchedOffAndOnInTheSettingsFile) {
  const std::filesystem::path conf =
      library.AddDevotional("DailyLight", "Daily Light on the Daily Path");
  const std::filesystem::path data = library.Root() / "modules/lexdict/rawld4/dailylight";
  std::filesystem::create_directories(data);
  std::ofstream(data / "dailylight.idx") << std::string(8, '\0');
  std::ofstream(data / "dailylight.dat") << "01.01\nMorning\n";
  for (bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "read-only files" : "writable files");
    if (readOnly)
      for (const auto &file : {conf, data / "dailylight.idx", data / "dailylight.dat"})
        std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read);
    const auto before = Snapshot(library.Root());
    const std::size_t shown = backend.Messages().size();
    backend.InDialog("PACKAGESETTINGS", [&](TDialog &d) {
      EXPECT_TRUE(Lists(d, EnabledList, "DailyLight.sword"));
      EXPECT_FALSE(Lists(d, DisabledList, "DailyLight.sword"));
      UserSelectNamed(d, EnabledList, "DailyLight.sword");
      d.UserClick(OnOffButton);
      EXPECT_FALSE(Lists(d, EnabledList, "DailyLight.sword"));
      EXPECT_TRUE(Lists(d, DisabledList, "DailyLight.sword"));
      EXPECT_EQ(ReadSettingText("dailylight.sword_enabled", "", 256), "0");
      // Turned off, it takes no font, though its name has no "o" after its
      // last dot.
      UserSelectNamed(d, DisabledList, "DailyLight.sword");
      d.UserSelect(FontList, 1);
      EXPECT_EQ(Selected(d, FontList), "");
      d.UserDoubleClick(DisabledList, TListBox(d, DisabledList).FindString("DailyLight.sword"));
      EXPECT_TRUE(Lists(d, EnabledList, "DailyLight.sword"));
      EXPECT_EQ(ReadSettingText("dailylight.sword_enabled", "", 256), "1");
      d.UserClick(IDOK);
    });
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(backend.Messages().size(), shown);
    EXPECT_TRUE(day.ReloadPending);
    EXPECT_EQ(Snapshot(library.Root()), before);
    // The packages are as they were.
    EXPECT_EQ(packages.Read("verse.QXP"), "v");
    EXPECT_EQ(packages.Read("greek.OFF"), "g");
  }
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
  library.AddDevotional("DailyLight", "Daily Light on the Daily Path");
  struct Row {
    std::string listed; // as the enabled list shows it
    std::string key;    // its entries' FileName, the start of its keys
  };
  for (const Row &row :
       {Row{"verse.QXP", "verse.qxp"}, Row{"DailyLight.sword", "dailylight.sword"}}) {
    SCOPED_TRACE(row.listed);
    const std::size_t shown = backend.Messages().size();
    // An entry of another source keeps its font.
    auto other = std::make_unique<TDayEntry>();
    other->FileName = "quiz.qxp";
    other->FontName = "System";
    auto entry = std::make_unique<TDayEntry>();
    entry->Text = "text";
    entry->FileName = row.key;
    entry->Next = std::move(other);
    day.DayEntries = std::move(entry);
    backend.InDialog("PACKAGESETTINGS", [&](TDialog &d) {
      UserSelectNamed(d, EnabledList, row.listed);
      EXPECT_EQ(Selected(d, FontList), "System");
      EXPECT_EQ(Selected(d, SizeList), "10");
      TListBox(d, FontList).SelectString("DejaVu Sans Mono");
      d.UserSelect(FontList, TListBox(d, FontList).GetSelIndex());
      TListBox(d, SizeList).SelectString("14");
      d.UserSelect(SizeList, TListBox(d, SizeList).GetSelIndex());
      d.UserClick(AssignButton);
      d.UserClick(IDOK);
    });
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(ReadSettingText(row.key + "_fontname", "", 256), "DejaVu Sans Mono");
    EXPECT_EQ(ReadSettingInt(row.key + "_fontsize", 0), 14);
    EXPECT_EQ(day.DayEntries->FontName, "DejaVu Sans Mono");
    EXPECT_EQ(day.DayEntries->FontSize, 14);
    EXPECT_EQ(day.DayEntries->Next->FontName, "System");
    EXPECT_TRUE(day.ReloadPending);
    EXPECT_EQ(backend.Messages().size(), shown); // assigned: OK asks nothing
    FreeDayEntries(day.DayEntries);
  }
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
