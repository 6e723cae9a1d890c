#include "app/run_application.h"

#include "app/program_options.h"
#include "app/program_state.h"
#include "app/qx_app.h"
#include "app/readable_fonts.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/settings_load.h"
#include "content/today_text.h"
#include "platform/clock.h"

namespace {
constexpr std::uint32_t StartupWindowMs = 45000;
}

bool OnceADayRuleEndsStart(const Settings &settings, const DayState &day, bool startedAtLogIn) {
  if (settings.EveryStartup != 0)
    return false;
  // A graphical log-in comes long after the system's start, so the uptime
  // alone almost never marks the start-up run; the log-in entry says so.
  if (!startedAtLogIn && platform::TickCount() > StartupWindowMs)
    return false;
  return ReadSettingText(LastStartupKey, "", LastStartupBuffer) == day.TodayText;
}

int RunApplication(int argc, char **argv) {
  const TProgramOptions options = ReadProgramOptions(argc, argv);
  // What the program keeps while it runs, lent to the application.
  TProgram program;
  BuildTodayText(program.day);
  LoadSettings(program.settings, *program.day.LocalTimeNow);
  if (OnceADayRuleEndsStart(program.settings, program.day, options.Autostart))
    return 0;
  if (options.FirstStart)
    SetUpFirstStart(program.settings);
  TQXApp app(program);
  return app.Run();
}
