#pragma once

// Bringing another program's window forward: on X11 the window manager is
// asked to activate it (_NET_ACTIVE_WINDOW), as a pager does when the user
// picks a window. Elsewhere (Wayland, where a window is activated only by a
// token its program takes, or no window system) it is not possible.

#include <optional>
#include <string_view>

#include "framework/backend.h"

// The window is found among the window manager's clients by the process
// that owns it (_NET_WM_PID), else by its window class (WM_CLASS, either
// part, without regard to case).
ForwardOutcome BringWindowForward(std::optional<int> processId, std::string_view windowClass);
