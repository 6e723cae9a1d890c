#include "content/content_state.h"

#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/today_text.h"

void ResetContentState() {
  ResetSettingsToDefaults();
  ResetDayState();
  ResetTodayText();
  FreeDayEntries(DayEntries);
}
