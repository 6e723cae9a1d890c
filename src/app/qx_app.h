#pragma once

// The application object of Selwarth.

#include <cstdint>

#include "framework/application.h"

class TQXApp : public TApplication {
public:
  TQXApp();

  // The DDE instance of the program; 0 while there is none.
  std::uint32_t InstId = 0;

protected:
  void InitMainWindow() override;
};
