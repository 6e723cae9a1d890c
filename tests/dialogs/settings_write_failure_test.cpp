// A dialog whose setting cannot be written says so, with the reason, and
// what it did with the change.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "dialogs/package_settings_dialog.h"
#include "dialogs/screen_saver_dialog.h"
#include "dialogs/start_date_dialog.h"
#include "framework/controls.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "resources/package_settings_ids.h"
#include "resources/screen_saver_ids.h"
#include "resources/start_date_ids.h"
#include "support/config_sandbox.h"
#include "support/devotional_library.h"
#include "support/layer_reset.h"
#include "support/temp_dir.h"

namespace {

struct Case {
  const char *dialog;
  std::function<void(TDialog &)> user;
  std::function<int(Settings &, DayState &)> run;
  std::string text;   // the message's first line
  std::string ending; // what it says of the change
  std::string caption;
  std::function<void(const Settings &, const DayState &)> check; // the state afterwards
  bool devotional = false;                                       // DailyLight is installed
};

template <class Dialog> int Run(Settings &settings, DayState &day) {
  return Dialog(nullptr, settings, day).Execute();
}

const Case Cases[] = {
    {"STARTDATE",
     [](TDialog &d) {
       d.UserClick(startdate::DayForward);
       d.UserClick(IDOK);
     },
     Run<TSetStartDateDialog>, "The start date could not be saved.",
     "\nIt will be used until you exit.", "Plan Start Date",
     [](const Settings &settings, const DayState &day) {
       EXPECT_EQ(settings.PlanOffset, 1);
       EXPECT_TRUE(day.ReloadPending);
     }},
    {"SCREENSAVER",
     [](TDialog &d) {
       d.UserSelect(screensaver::PackageList, 0);
       d.UserClick(IDOK);
     },
     Run<TScreenSaverDialog>, "The screen saver package could not be saved.",
     "\nIt will be used until you exit.", "Screen Saver",
     [](const Settings &settings, const DayState &day) {
       EXPECT_EQ(settings.SaverPackage, "verse.qxp");
       EXPECT_TRUE(day.ReloadPending);
     }},
    // The day's next load would take the font back: it is not applied.
    {"PACKAGESETTINGS",
     [](TDialog &d) {
       d.UserSelect(packagesettings::EnabledList, 0);
       d.UserSelect(packagesettings::FontList, 1);
       d.UserSelect(packagesettings::SizeList, 8);
       d.UserClick(packagesettings::AssignButton);
       EXPECT_FALSE(d.Ended());
       d.UserCancel();
     },
     Run<TPackageSettingsDialog>, "The font for verse.QXP could not be saved.", "", "Oops...",
     [](const Settings &, const DayState &day) {
       EXPECT_EQ(day.DayEntries->FontName, "System");
       EXPECT_FALSE(day.ReloadPending);
     }},
    {"PACKAGESETTINGS",
     [](TDialog &d) {
       d.UserSelect(packagesettings::FontList, 1);
       d.UserSelect(packagesettings::SizeList, 8);
       d.UserClick(packagesettings::SetDefaultButton);
       d.UserCancel();
     },
     Run<TPackageSettingsDialog>, "The default font could not be saved.", "", "Oops...",
     [](const Settings &settings, const DayState &day) {
       EXPECT_EQ(settings.DefaultFontName, "");
       EXPECT_EQ(day.DayEntries->FontName, "System");
       EXPECT_FALSE(day.ReloadPending);
     }},
    // A devotional is switched in the settings file: unwritten, it stays on.
    {"PACKAGESETTINGS",
     [](TDialog &d) {
       TListBox enabled(d, packagesettings::EnabledList);
       d.UserSelect(packagesettings::EnabledList, enabled.FindString("DailyLight.sword"));
       d.UserClick(packagesettings::OnOffButton);
       EXPECT_GE(enabled.FindString("DailyLight.sword"), 0);
       EXPECT_EQ(TListBox(d, packagesettings::DisabledList).GetCount(), 0);
       d.UserClick(IDOK);
     },
     Run<TPackageSettingsDialog>,
     "The devotional DailyLight.sword could not be turned off: the settings file could not be "
     "written.",
     "", "Oops...", [](const Settings &, const DayState &day) { EXPECT_FALSE(day.ReloadPending); },
     true},
};

TEST(SettingsWriteFailureTest, EachDialogTellsTheReasonAndWhatItDidWithTheChange) {
  for (const Case &c : Cases) {
    SCOPED_TRACE(c.dialog);
    testsupport::ResetDialogsLayers();
    Settings settings;
    DayState day;
    testsupport::ConfigSandbox sandbox;
    sandbox.BlockFolder();
    testsupport::TempDir packages;
    packages.Write("verse.QXP", "v");
    testsupport::WorkingDirectory cwd{packages.Path()};
    auto entry = std::make_unique<TDayEntry>();
    entry->FileName = "verse.qxp";
    entry->FontName = "System";
    day.DayEntries = std::move(entry);
    testsupport::DevotionalLibrary library;
    if (c.devotional)
      library.AddDevotional("DailyLight", "Daily Light on the Daily Path");
    HeadlessBackend backend;
    backend.InDialog(c.dialog, c.user);
    c.run(settings, day);
    ASSERT_EQ(backend.Messages().size(), 1u);
    const auto &message = backend.Messages()[0];
    EXPECT_EQ(message.Text.rfind(c.text + "\n", 0), 0u) << message.Text;
    EXPECT_NE(message.Text.find(sandbox.Folder()), std::string::npos) << message.Text;
    EXPECT_TRUE(message.Text.ends_with(c.ending)) << message.Text;
    EXPECT_EQ(message.Caption, c.caption);
    c.check(settings, day);
    FreeDayEntries(day.DayEntries);
  }
}

} // namespace
