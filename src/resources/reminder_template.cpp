#include "platform/translatable.h"
#include "resources/dialog_templates.h"
#include "resources/reminder_ids.h"

const TDialogTemplate &ReminderTemplate() {
  using K = TControlKind;
  using namespace reminder;
  static const TDialogTemplate dialog{
      "REMINDER",
      TR_NOOP("REMINDER", "Daily Reminder"),
      ModalDialogStyle,
      40,
      40,
      140,
      58,
      "System",
      8,
      {
          {RemindCheck, K::AutoCheckBox, TR_NOOP("REMINDER", "&Remind me each day at"), WS_TABSTOP,
           7, 8, 92, 10},
          {TimeEdit, K::Edit, "", WS_TABSTOP | WS_BORDER, 102, 7, 30, 12,
           TR_NOOP("REMINDER", "Time of the reminder")},
          {-1, K::Static, TR_NOOP("REMINDER", "(HH:MM, such as 07:30)"), 0, 7, 22, 126, 8},
          {IDOK, K::DefPushButton, TR_NOOP("REMINDER", "&Ok"), WS_TABSTOP, 36, 38, 30, 12},
          {IDCANCEL, K::PushButton, TR_NOOP("REMINDER", "&Cancel"), WS_TABSTOP, 74, 38, 30, 12},
      }};
  return dialog;
}
