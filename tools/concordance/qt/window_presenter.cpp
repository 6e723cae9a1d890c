#include "window_presenter.h"

#include <iostream>

#include "console_presenter.h"

namespace concordance {

void WindowPresenter::Show(const Reference &reference, const std::string &translation) {
  PrintShowing(reference, translation);
  std::optional<Passage> passage = library_.LookUp(translation, reference);
  if (!passage) {
    std::cout << "(no window: no Bible module of " << translation << " holds it)" << std::endl;
    return;
  }
  if (!window_)
    window_ = std::make_unique<PassageWindow>();
  window_->ShowPassage(*passage);
  // The user asked for the passage a moment ago: it comes forward.
  window_->show();
  window_->raise();
  window_->activateWindow();
  std::cout << "Shown in the window: " << passage->verses.size() << " verses of " << passage->module
            << std::endl;
}

void WindowPresenter::Activate() {
  std::cout << "Activated" << std::endl;
  if (window_ && window_->isVisible()) {
    window_->raise();
    window_->activateWindow();
  }
}

} // namespace concordance
