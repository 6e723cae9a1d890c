#include "app/reminder_run.h"

#include <algorithm>

#include "app/program_state.h"
#include "content/plan_progress.h"
#include "content/settings_load.h"
#include "content/today_text.h"
#include "framework/desktop_notifications.h"
#include "framework/translation.h"
#include "platform/run_program.h"

namespace {

constexpr const char *OpenAction = "open";
constexpr const char *MarkAction = "mark-read";

bool Has(const std::vector<std::string> &capabilities, const char *name) {
  return std::find(capabilities.begin(), capabilities.end(), name) != capabilities.end();
}

// A server that reads the body as markup would take '<' and '&' for its own.
std::string Escaped(const std::string &text) {
  std::string out;
  for (const char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

void Say(const TReminderRun &run, const std::string &text) {
  std::fprintf(run.errors, "selwarth: %s\n", text.c_str());
  std::fflush(run.errors);
}

} // namespace

int RunReminder(const TReminderRun &run) {
  TProgram program;
  BuildTodayText(program.day);
  if (!program.day.LocalTimeNow)
    return 0; // no date to remind of
  LoadSettings(program.settings, *program.day.LocalTimeNow);
  const std::optional<TReminderNotice> notice =
      TodaysReminder(program.settings, program.day, *program.day.LocalTimeNow, run.words);
  if (!notice)
    return 0;
  const auto capabilities = run.server.Capabilities();
  if (!capabilities) {
    const bool noBus = capabilities.error().kind == NoticeFault::NoBus;
    Say(run, noBus ? run.words("Reminder", TR_NOOP("Reminder", "there is no session bus to "
                                                               "show the reminder on"))
                   : run.words("Reminder", TR_NOOP("Reminder", "no notification server runs "
                                                               "to show the reminder")));
    return 1;
  }
  TNotice shown;
  shown.AppName = "Selwarth";
  shown.Icon = run.appId;
  shown.DesktopEntry = run.appId;
  shown.Summary = notice->Summary;
  shown.Body = Has(*capabilities, "body-markup") ? Escaped(notice->Body) : notice->Body;
  const bool actions = Has(*capabilities, "actions");
  if (actions) {
    if (!run.openCommand.empty())
      shown.Actions.emplace_back(OpenAction, run.words("Reminder", TR_NOOP("Reminder", "Open")));
    if (!notice->PlanFile.empty())
      shown.Actions.emplace_back(MarkAction,
                                 run.words("Reminder", TR_NOOP("Reminder", "Mark as Read")));
  }
  const auto id = run.server.Show(shown);
  if (!id) {
    Say(run, FormatText(run.words("Reminder", TR_NOOP("Reminder", "the reminder could not be "
                                                                  "shown: %1")),
                        {id.error().message}));
    return 1;
  }
  if (shown.Actions.empty())
    return 0;
  const std::string answer = run.server.WaitForAnswer(*id, run.waitMs);
  if (answer.empty()) {
    run.server.Close(*id); // its buttons would do nothing once we are gone
    return 0;
  }
  if (answer == OpenAction && !platform::StartDetached(run.openCommand, {})) {
    Say(run, FormatText(run.words("Reminder", TR_NOOP("Reminder", "could not start %1")),
                        {run.openCommand}));
    return 1;
  }
  if (answer == MarkAction) {
    if (const auto marked = MarkStoredPlanDay(notice->PlanFile, notice->PlanDay); !marked) {
      Say(run, FormatText(run.words("Reminder", TR_NOOP("Reminder", "the reading could not be "
                                                                    "marked: %1")),
                          {marked.error()}));
      return 1;
    }
  }
  run.server.Close(*id);
  return 0;
}
