#pragma once

// selwarth --reminder on HH:MM | off | status, which selwarth-remind runs:
// the daily reminder's systemd timer written or removed (reminder_schedule.h),
// and what became of it said in the desktop's language.

#include <cstdio>
#include <string>
#include <vector>

#include "app/reminder_notice.h"

// words: the words after --reminder. The exit status: 0 done (status: on),
// 1 off (status) or a failure, 2 a usage error.
int RunReminderCommand(const std::vector<std::string> &words, ReminderWords say,
                       std::FILE *out = stdout, std::FILE *errors = stderr);
