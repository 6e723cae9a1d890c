#pragma once

// The program's main routine: today's date, the settings, the once-a-day
// rule, then the application object's run.

// Returns the process exit status: 0 when the once-a-day rule ends the
// start, otherwise the application's. The arguments are not used: the
// program has no command-line options.
int RunApplication(int argc, char **argv);

// Whether this start ends silently: right after the system started (uptime
// at most 45 seconds) with EveryStartup off, when the window was already
// shown and closed today (LastStartup equals TodayText). Reads LastStartup
// only in that case.
bool OnceADayRuleEndsStart();
