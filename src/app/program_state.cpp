#include "app/program_state.h"

#include "app/verse_window.h"
#include "dialogs/calendar_dialog.h"
#include "dialogs/reading_view.h"
#include "dialogs/references_dialog.h"
#include "framework/framework_state.h"
#include "readings/reading_bible.h"

TProgram::TProgram() = default;
TProgram::~TProgram() = default;

bool TProgram::CalendarOpen() const {
  return CalendarDialog && CalendarDialog->IsCreated();
}

bool TProgram::ReferencesOpen() const {
  return ReferencesDialog && ReferencesDialog->IsCreated();
}

bool TProgram::ReadingViewOpen() const {
  return ReadingView && ReadingView->IsCreated();
}

void ResetProgramState() {
  ResetFrameworkState();
  MainWindowHandle = nullptr;
}
