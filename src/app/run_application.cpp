#include "app/run_application.h"

#include "app/qx_app.h"
#include "app/settings_load.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/today_text.h"
#include "platform/clock.h"

namespace {
constexpr std::uint32_t StartupWindowMs = 45000;
}

bool OnceADayRuleEndsStart() {
  if (EveryStartup != 0 || platform::TickCount() > StartupWindowMs)
    return false;
  return ReadSettingText("LastStartup", "", LastStartupBuffer) == TodayText;
}

int RunApplication(int, char **) {
  BuildTodayText();
  LoadSettings(*LocalTimeNow);
  if (OnceADayRuleEndsStart())
    return 0;
  TQXApp app;
  return app.Run();
}
