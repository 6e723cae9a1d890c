#pragma once

// The program's module: what the entry point was started with.

#include <string>

// How the main window is first shown.
inline constexpr int SW_SHOWNORMAL = 1;

struct TModule {
  std::string CommandLine;
  int CmdShow = SW_SHOWNORMAL;
};

// The one module object of the process, filled by the entry point.
TModule &Module();
