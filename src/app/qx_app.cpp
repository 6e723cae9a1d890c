#include "app/qx_app.h"

#include "app/verse_window.h"

TQXApp::TQXApp() = default;

void TQXApp::InitMainWindow() {
  SetMainWindow(
      std::make_unique<TFrameWindow>(nullptr, "Selwarth", std::make_unique<TVerseWindow>()));
}
