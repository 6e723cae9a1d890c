#include "window_presenter.h"

#include <iostream>

#include "console_presenter.h"
#include "window_placement.h"

namespace concordance {

void WindowPresenter::Show(const Reference &reference, const std::string &translation) {
  if (report_)
    PrintShowing(reference, translation);
  std::optional<Passage> passage = library_.LookUp(translation, reference);
  if (!passage) {
    // Nothing to show: said with the reports, else where failures are said.
    (report_ ? std::cout : std::cerr)
        << "(no window: no Bible module of " << translation << " holds it)" << std::endl;
    return;
  }
  if (!window_)
    window_ = std::make_unique<PassageWindow>();
  window_->ShowPassage(*passage);
  // The user asked for the passage a moment ago: it comes forward, beside
  // the window they asked from when it opens.
  if (!window_->isVisible())
    PlaceBesideActiveWindow(*window_);
  window_->show();
  window_->raise();
  window_->activateWindow();
  if (report_)
    std::cout << "Shown in the window: " << passage->verses.size() << " verses of "
              << passage->module << std::endl;
}

void WindowPresenter::Activate() {
  if (report_)
    std::cout << "Activated" << std::endl;
  if (window_ && window_->isVisible()) {
    window_->raise();
    window_->activateWindow();
  }
}

} // namespace concordance
