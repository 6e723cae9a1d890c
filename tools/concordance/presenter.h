#pragma once

// What the server does with a passage it is asked to show: print it, or
// show it in a window.

#include <string>

#include "reference.h"

namespace concordance {

class Presenter {
public:
  virtual ~Presenter() = default;
  virtual void Show(const Reference &reference, const std::string &translation) = 0;
  // "[Activate]": come forward.
  virtual void Activate() = 0;
};

} // namespace concordance
