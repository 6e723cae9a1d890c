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
  // report: also print each passage as the console does, for whoever reads
  // the server's output (asked for by --window). Otherwise the window says
  // it all, and the terminal of the program that started the server stays
  // quiet.
  explicit WindowPresenter(bool report) : report_(report) {}
  void Show(const Reference &reference, const std::string &translation) override;
  void Activate() override;

  // Null until the first passage was shown.
  PassageWindow *Window() const { return window_.get(); }

private:
  bool report_;
  PassageLibrary library_;
  std::unique_ptr<PassageWindow> window_;
};

} // namespace concordance
