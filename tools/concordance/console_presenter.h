#pragma once

// Prints each passage asked for ("Showing John 3:16 (KJV)"), with its text
// from the installed Bible modules when asked to.

#include "passage_library.h"
#include "presenter.h"

namespace concordance {

class ConsolePresenter : public Presenter {
public:
  explicit ConsolePresenter(bool withText) : withText_(withText) {}
  void Show(const Reference &reference, const std::string &translation) override;
  void Activate() override;

private:
  bool withText_;
  PassageLibrary library_;
};

// The line printed for every passage, whatever shows it.
void PrintShowing(const Reference &reference, const std::string &translation);

} // namespace concordance
