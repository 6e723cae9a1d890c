#pragma once

// The program-wide state in one reset. Each layer keeps its state and its
// reset side by side (ResetFrameworkState, ResetContentState,
// ResetDialogsState); this layer sees them all and adds its own, the main
// window's handle. A new piece of state goes into its layer's reset, and
// tests/app/program_state_test.cpp lists it.

// Puts every piece back to how a new process starts: settings at their
// defaults, no day loaded, no date taken, no window or dialog open. The app
// layer's tests start here; those of the layers below, which do not link this
// one, from their layers' resets (tests/support/layer_reset.h).
void ResetProgramState();
