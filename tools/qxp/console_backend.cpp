#include "console_backend.h"

#include <string>

#include "framework/dialog.h"
#include "framework/message_box.h"
#include "framework/message_queue.h"

namespace qxp {

ConsoleBackend::ConsoleBackend(std::FILE *errors)
    : errors_(errors), previous_(HasBackend() ? &CurrentBackend() : nullptr) {
  SetBackend(this);
}

ConsoleBackend::~ConsoleBackend() {
  SetBackend(previous_);
}

int ConsoleBackend::ShowMessageBox(TWindow *, std::string_view text, std::string_view caption,
                                   unsigned style) {
  std::string line = std::string(caption) + ": " + std::string(text) + "\n";
  std::fputs(line.c_str(), errors_);
  return (style & 0x0F) == MB_YESNO ? IDYES : IDOK;
}

void ConsoleBackend::RunModal(TDialog &dialog) {
  dialog.UserCancel();
  if (!dialog.Ended())
    dialog.CloseDialog(IDCANCEL);
}

void ConsoleBackend::RunMessageLoop(TMessageQueue &queue) {
  queue.DispatchPending();
}

} // namespace qxp
