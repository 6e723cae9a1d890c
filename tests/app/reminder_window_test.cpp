// Settings > Reminder: the daily reminder set and taken away from the
// window, as selwarth-remind does, where no systemd user manager runs.

#include <gtest/gtest.h>

#include <filesystem>

#include "content/reminder_schedule.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "platform/profile.h"
#include "resources/main_menu.h"
#include "resources/reminder_ids.h"
#include "support/main_window_fixture.h"
#include "support/scoped_environment.h"

namespace {

using namespace reminder;

class ReminderWindowTest : public testsupport::MainWindowTest {
protected:
  testsupport::ScopedEnvironment runtime_{"XDG_RUNTIME_DIR", sandbox.Folder()};
  testsupport::ScopedEnvironment bus_{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
  std::string StoredTime() {
    return platform::GetPrivateProfileString("Selwarth", ReminderTimeKey, "?", 16, "SELWARTH.INI");
  }
};

TEST_F(ReminderWindowTest, TheReminderIsSetCheckedAgainAndTakenAway) {
  backend.InDialog("REMINDER", [](TDialog &d) {
    EXPECT_EQ(TButton(d, RemindCheck).GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(TEdit(d, TimeEdit).GetText(), "07:30");
    d.UserClick(RemindCheck);
    d.UserType(TimeEdit, "6.15"); // not a time: said, and the dialog stays
    d.UserClick(IDOK);
    EXPECT_FALSE(d.Ended());
    d.UserType(TimeEdit, "6:15");
    d.UserClick(IDOK);
  });
  backend.InDialog("REMINDER", [](TDialog &d) {
    EXPECT_EQ(TButton(d, RemindCheck).GetCheck(), BF_CHECKED);
    EXPECT_EQ(TEdit(d, TimeEdit).GetText(), "06:15");
    d.UserClick(RemindCheck);
    d.UserClick(IDOK);
  });
  Run({[&] {
    const std::size_t before = backend.Messages().size();
    Frame().MenuCommand(CM_REMINDER);
    ASSERT_EQ(backend.Messages().size(), before + 2);
    EXPECT_NE(backend.Messages()[before].Text.find("HH:MM"), std::string::npos);
    EXPECT_NE(backend.Messages()[before + 1].Text.find("systemctl --user enable --now "
                                                       "selwarth-remind.timer"),
              std::string::npos)
        << backend.Messages()[before + 1].Text;
    EXPECT_EQ(ScheduledReminder(), (ReminderTime{6, 15}));
    EXPECT_EQ(StoredTime(), "06:15");

    Frame().MenuCommand(CM_REMINDER);
    EXPECT_EQ(ScheduledReminder(), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(ServiceUnitPath()));
    EXPECT_EQ(StoredTime(), "");
  }});
}

} // namespace
