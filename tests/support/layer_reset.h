#pragma once

// The program-wide state of the layers a test program links, put back to how
// a new process has it. A layer's tests link that layer and the ones below
// it, never the app layer with its ResetProgramState: they call the resets of
// those layers (the content layer's tests and qxp's call ResetContentState
// alone), in ResetProgramState's order.

#include "content/content_state.h"
#include "dialogs/dialogs_state.h"
#include "framework/framework_state.h"

namespace testsupport {

// The windowing layer, content and the view (which keeps nothing of its own).
inline void ResetViewLayers() {
  ResetFrameworkState();
  ResetContentState();
}

// The windowing layer, content and the dialogs.
inline void ResetDialogsLayers() {
  ResetFrameworkState();
  ResetContentState();
  ResetDialogsState();
}

} // namespace testsupport
