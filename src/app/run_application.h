#pragma once

// The program's main routine: today's date, the settings, the once-a-day
// rule, then the application object's run.

// Returns the process exit status: 0 when the once-a-day rule ends the
// start, otherwise the application's. Of the arguments only --autostart and
// --first-start count here (see program_options.h).
int RunApplication(int argc, char **argv);

struct DayState;
struct Settings;

// Whether this start ends silently: with EveryStartup off, when the window
// was already shown and closed today (LastStartup equals TodayText), and this
// is the start right after the system started. That is a start by the log-in
// entry (startedAtLogIn, from --autostart), or, for entries written before
// that mark existed, a start within 45 seconds of the system's start. A
// start by hand later always shows the window. Reads LastStartup only when
// the rest holds.
bool OnceADayRuleEndsStart(const Settings &settings, const DayState &day, bool startedAtLogIn);
