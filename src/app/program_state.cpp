#include "app/program_state.h"

#include "app/verse_window.h"
#include "content/content_state.h"
#include "dialogs/dialogs_state.h"
#include "framework/framework_state.h"

void ResetProgramState() {
  ResetFrameworkState();
  ResetContentState();
  ResetDialogsState();
  MainWindowHandle = nullptr;
}
