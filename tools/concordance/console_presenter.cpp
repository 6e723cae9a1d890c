#include "console_presenter.h"

#include <iostream>

namespace concordance {

void PrintShowing(const Reference &reference, const std::string &translation) {
  std::cout << "Showing " << reference.Text() << " (" << translation << ")" << std::endl;
}

void ConsolePresenter::Show(const Reference &reference, const std::string &translation) {
  PrintShowing(reference, translation);
  if (!withText_)
    return;
  if (std::optional<Passage> passage = library_.LookUp(translation, reference))
    std::cout << PlainText(*passage) << std::flush;
  else
    std::cout << "(no text: no Bible module of " << translation << " holds it)" << std::endl;
}

void ConsolePresenter::Activate() {
  std::cout << "Activated" << std::endl;
}

} // namespace concordance
