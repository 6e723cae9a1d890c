#include "dialogs/program_settings_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>
#include <sys/inotify.h>
#include <unistd.h>

#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "dialogs/screen_saver_dialog.h"
#include "framework/controls.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "resources/program_settings_ids.h"
#include "resources/screen_saver_ids.h"
#include "support/config_sandbox.h"
#include "support/devotional_library.h"
#include "support/layer_reset.h"
#include "support/prepared_settings.h"
#include "support/temp_dir.h"

namespace {

class SettingsDialogTest : public ::testing::Test {
protected:
  void SetUp() override { testsupport::ResetDialogsLayers(); }
  // The user picks the Increment method and saves, which also closes the
  // dialog.
  void ChooseIncrementAndSave() {
    backend.InDialog("PROGRAMSETTINGS", [](TDialog &d) {
      d.UserClick(programsettings::IncrementRadio);
      d.UserClick(programsettings::SaveButton);
    });
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

TEST_F(SettingsDialogTest, OpensWithTheCurrentSettingsAndOkKeepsChangesInMemoryOnly) {
  settings.QuoteMethodCode = QuoteMethod::Increment;
  settings.BlankLines = 7;
  backend.InDialog("PROGRAMSETTINGS", [](TDialog &d) {
    EXPECT_EQ(TButton(d, programsettings::IncrementRadio).GetCheck(), BF_CHECKED);
    EXPECT_EQ(TButton(d, programsettings::DateRadio).GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(TButton(d, programsettings::BlankLinesBox).GetCheck(),
              BF_CHECKED); // BlankLines 7 is on
    EXPECT_EQ(TButton(d, programsettings::JustifyTextBox).GetCheck(), BF_CHECKED);
    EXPECT_EQ(TButton(d, programsettings::SaveFileBox).GetCheck(), BF_UNCHECKED);
    d.UserClick(programsettings::RandomRadio);
    d.UserClick(programsettings::TopmostBox);
    d.UserClick(IDOK);
  });
  EXPECT_EQ(TProgramSettingsDialog(nullptr, settings, day).Execute(), IDOK);
  EXPECT_EQ(settings.QuoteMethodCode, QuoteMethod::Random);
  EXPECT_EQ(settings.Topmost, 1);
  EXPECT_EQ(settings.BlankLines, 1);
  EXPECT_FALSE(std::filesystem::exists(sandbox.SettingsPath()));
}

TEST_F(SettingsDialogTest, EveryQuoteMethodHasItsRadioButtonBothWays) {
  for (const QuoteMethodTraits &method : QuoteMethods()) {
    settings.QuoteMethodCode = method.Method;
    backend.InDialog("PROGRAMSETTINGS", [&](TDialog &d) {
      int checked = 0;
      for (const programsettings::MethodRadio &button : programsettings::MethodRadios)
        checked += TButton(d, button.radio).GetCheck() == BF_CHECKED ? 1 : 0;
      EXPECT_EQ(checked, 1) << method.StoredName;
      d.UserClick(IDOK);
    });
    TProgramSettingsDialog(nullptr, settings, day).Execute();
    EXPECT_EQ(settings.QuoteMethodCode, method.Method) << method.StoredName;
  }
}

TEST_F(SettingsDialogTest, CancelChangesNothing) {
  backend.InDialog("PROGRAMSETTINGS", [](TDialog &d) {
    d.UserClick(programsettings::RandomRadio);
    d.UserClick(programsettings::JustifyTextBox);
    d.UserCancel();
  });
  EXPECT_EQ(TProgramSettingsDialog(nullptr, settings, day).Execute(), IDCANCEL);
  EXPECT_EQ(settings.QuoteMethodCode, QuoteMethod::Date);
  EXPECT_EQ(settings.JustifyText, 1);
}

TEST_F(SettingsDialogTest, SaveWritesTheEightKeysInOrderAndSaysSo) {
  ChooseIncrementAndSave();
  EXPECT_EQ(TProgramSettingsDialog(nullptr, settings, day).Execute(), IDOK);
  EXPECT_EQ(testsupport::ReadFileBytes(sandbox.SettingsPath()),
            "[Selwarth]\nSaveFile=0\nEveryStartup=1\nUpdateDaily=1\nJustifyText=1\nTopmost=0\n"
            "BlankLines=0\nScreenSaver=0\nQuoteMethod=Increment\n");
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Text, "Settings have been saved.");
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONINFORMATION | MB_TASKMODAL);
}

TEST_F(SettingsDialogTest, SaveReplacesTheFileOnceForAllEightKeys) {
  // Each write replaces the file by renaming a new one over it; counting the
  // renames shows that no state between the old keys and the new ever
  // reaches the disk, so a failure cannot leave half of them written.
  std::filesystem::create_directories(sandbox.Folder());
  int watcher = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watcher, 0);
  ASSERT_GE(inotify_add_watch(watcher, sandbox.Folder().c_str(), IN_MOVED_TO), 0);
  ChooseIncrementAndSave();
  EXPECT_EQ(TProgramSettingsDialog(nullptr, settings, day).Execute(), IDOK);
  int replaced = 0;
  alignas(inotify_event) char events[4096];
  ssize_t size = 0;
  while ((size = read(watcher, events, sizeof events)) > 0) {
    for (char *at = events; at < events + size;) {
      auto *event = reinterpret_cast<inotify_event *>(at);
      replaced += event->len > 0 && std::string_view(event->name) == "SELWARTH.INI";
      at += sizeof(inotify_event) + event->len;
    }
  }
  close(watcher);
  EXPECT_EQ(replaced, 1);
  EXPECT_EQ(ReadSettingText("QuoteMethod", "", 20), "Increment");
}

TEST_F(SettingsDialogTest, AFailedSaveSaysSoAndKeepsTheDialogOpen) {
  // The settings folder cannot be made: a file stands in its place.
  sandbox.BlockFolder();
  backend.InDialog("PROGRAMSETTINGS", [this](TDialog &d) {
    d.UserClick(programsettings::RandomRadio);
    d.UserClick(programsettings::SaveButton);
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(settings.QuoteMethodCode, QuoteMethod::Date); // not applied yet
    d.UserCancel();
  });
  EXPECT_EQ(TProgramSettingsDialog(nullptr, settings, day).Execute(), IDCANCEL);
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Text.rfind("Settings could not be saved.\n", 0), 0u);
  EXPECT_EQ(settings.QuoteMethodCode, QuoteMethod::Date);
}

TEST_F(SettingsDialogTest, CheckingScreenSaverAsksForThePackage) {
  packages.Write("Verse.QXP", "x");
  packages.Write("quiz.QXP", "x");
  packages.Write("greek.OFF", "x");
  // Cancelled: the box is unchecked again.
  backend.InDialog("PROGRAMSETTINGS", [](TDialog &d) {
    d.UserClick(programsettings::ScreenSaverBox);
    EXPECT_EQ(TButton(d, programsettings::ScreenSaverBox).GetCheck(), BF_UNCHECKED);
    d.UserClick(programsettings::ScreenSaverBox);
  });
  backend.InDialog("SCREENSAVER", [](TDialog &d) {
    TListBox list(d, screensaver::PackageList);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetString(0), "quiz.qxp");
    EXPECT_EQ(list.GetString(1), "verse.qxp");
    d.UserCancel();
  });
  backend.InDialog("SCREENSAVER",
                   [](TDialog &d) { d.UserDoubleClick(screensaver::PackageList, 1); });
  backend.InDialog("PROGRAMSETTINGS", [](TDialog &d) {
    EXPECT_EQ(TButton(d, programsettings::ScreenSaverBox).GetCheck(), BF_CHECKED);
    d.UserCancel();
  });
  TProgramSettingsDialog(nullptr, settings, day).Execute();
  // Cancel leaves ScreenSaver as it was, but the package is already stored.
  EXPECT_EQ(settings.ScreenSaver, 0);
  EXPECT_EQ(settings.SaverPackage, "verse.qxp");
  EXPECT_EQ(ReadSettingText("SaverTitle", "", 50), "verse.qxp");
  // Unchecking opens nothing.
  EXPECT_EQ(backend.DialogsRun(),
            (std::vector<std::string>{"PROGRAMSETTINGS", "SCREENSAVER", "SCREENSAVER"}));
}

TEST_F(SettingsDialogTest, TheScreenSaverDialogNeedsASelection) {
  packages.Write("VERSE.QXP", "x");
  backend.InDialog("SCREENSAVER", [](TDialog &d) {
    d.UserClick(IDOK);
    EXPECT_FALSE(d.Ended());
    d.UserClick(HelpButton);
    d.UserSelect(screensaver::PackageList, 0);
    d.UserClick(IDOK);
  });
  day.ReloadPending = true;
  EXPECT_EQ(TScreenSaverDialog(nullptr, settings, day).Execute(), IDOK);
  ASSERT_EQ(backend.Messages().size(), 2u);
  EXPECT_EQ(backend.Messages()[0].Text,
            "First highlight a package to load into the screen saver, then choose [OK].");
  EXPECT_EQ(backend.Messages()[0].Caption, "Oops...");
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONSTOP | MB_TASKMODAL);
  EXPECT_EQ(backend.Messages()[1].Caption, "Screen Saver Help");
  EXPECT_TRUE(day.ReloadPending);
  EXPECT_EQ(settings.SaverPackage, "verse.qxp");
}

// An enabled devotional is offered by its key, the FileName of its entries,
// and can give the screen saver its text; a turned-off one is not offered.
TEST_F(SettingsDialogTest, TheScreenSaverOffersTheEnabledDevotionals) {
  packages.Write("Verse.QXP", "x");
  packages.Write("greek.OFF", "x");
  library.AddDevotional("DailyLight", "Daily Light on the Daily Path");
  library.AddDevotional("Grace", "Morning by Morning");
  WriteSettingInt("grace.sword_enabled", 0);
  backend.InDialog("SCREENSAVER", [](TDialog &d) {
    TListBox list(d, screensaver::PackageList);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetString(0), "dailylight.sword");
    EXPECT_EQ(list.GetString(1), "verse.qxp");
    d.UserDoubleClick(screensaver::PackageList, 0);
  });
  EXPECT_EQ(TScreenSaverDialog(nullptr, settings, day).Execute(), IDOK);
  EXPECT_TRUE(backend.Messages().empty());
  EXPECT_TRUE(day.ReloadPending);
  EXPECT_EQ(settings.SaverPackage, "dailylight.sword");
  EXPECT_EQ(ReadSettingText("SaverTitle", "", 50), "dailylight.sword");
}

TEST_F(SettingsDialogTest, ANameTooLongForTheSettingIsRefused) {
  std::string longName = std::string(46, 'a') + ".qxp"; // 50 characters
  packages.Write(longName, "x");
  backend.InDialog("SCREENSAVER", [](TDialog &d) {
    d.UserDoubleClick(screensaver::PackageList, 0);
    EXPECT_FALSE(d.Ended());
    d.UserCancel();
  });
  EXPECT_EQ(TScreenSaverDialog(nullptr, settings, day).Execute(), IDCANCEL);
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_NE(backend.Messages()[0].Text.find(longName), std::string::npos);
  EXPECT_FALSE(day.ReloadPending);
  EXPECT_EQ(settings.SaverPackage, "");
}

} // namespace
