#include "framework/framework_state.h"

#include "framework/application.h"
#include "framework/close_signals.h"
#include "framework/module.h"

void ResetFrameworkState() {
  Module() = TModule{};
  ForgetCloseRequests();
  MessageQueue().ResetQuit();
}
