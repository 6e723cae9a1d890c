#include "app/verse_window.h"

TVerseWindow *MainWindowHandle = nullptr;

TVerseWindow::TVerseWindow() : TWindow(nullptr, "") {}
