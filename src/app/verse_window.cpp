#include "app/verse_window.h"

#include "content/day_entries.h"
#include "content/day_load.h"

TVerseWindow *MainWindowHandle = nullptr;

TVerseWindow::TVerseWindow() : TWindow(nullptr, "") { LoadDay(this); }

void TVerseWindow::SetupWindow() { MainWindowHandle = this; }

void TVerseWindow::CleanupWindow() {
  FreeDayEntries(DayEntries);
  MainWindowHandle = nullptr;
}
