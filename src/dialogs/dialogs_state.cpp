#include "dialogs/dialogs_state.h"

#include "dialogs/calendar_dialog.h"
#include "dialogs/references_dialog.h"

void ResetDialogsState() {
  CalendarOpen = false;
  ReferencesOpen = false;
}
