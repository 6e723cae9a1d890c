#include "framework/message_box.h"

#include "framework/backend.h"
#include "framework/close_signals.h"

int MessageBox(TWindow *owner, std::string_view text, const char *caption, unsigned style) {
  // The program is closing: what went wrong on the way out (a wait that the
  // close ended) is not the user's concern any more, and a question gets the
  // answer that changes nothing.
  if (ProgramClosing())
    return (style & 0x0F) == MB_YESNO ? IDNO : IDOK;
  return CurrentBackend().ShowMessageBox(owner, text, caption != nullptr ? caption : "Error",
                                         style);
}
