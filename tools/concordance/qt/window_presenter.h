#pragma once

// Shows each passage in the server's window when a Bible module holds it,
// and prints it otherwise.

#include <memory>

#include "passage_library.h"
#include "passage_window.h"
#include "presenter.h"

namespace concordance {

class WindowPresenter : public Presenter {
public:
  void Show(const Reference &reference, const std::string &translation) override;
  void Activate() override;

  // Null until the first passage was shown.
  PassageWindow *Window() const { return window_.get(); }

private:
  PassageLibrary library_;
  std::unique_ptr<PassageWindow> window_;
};

} // namespace concordance
