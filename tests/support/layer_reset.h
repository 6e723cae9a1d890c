#pragma once

// The program-wide variables of the layers a test program links, put back to
// how a new process has them. A layer's tests link that layer and the ones
// below it, never the app layer with its ResetProgramState: they call the
// resets of those layers. Content, the view, the DDE layer and the dialogs
// keep no such variables (the settings and the day are objects the tests
// hold), so only the windowing layer's state is left to put back.

#include "framework/framework_state.h"

namespace testsupport {

// The layers a content test links: nothing to put back.
inline void ResetContentLayers() {}

// The windowing layer, content and the view.
inline void ResetViewLayers() {
  ResetFrameworkState();
}

// The windowing layer, content and the dialogs.
inline void ResetDialogsLayers() {
  ResetFrameworkState();
}

} // namespace testsupport
