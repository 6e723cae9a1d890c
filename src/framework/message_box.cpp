#include "framework/message_box.h"

#include "framework/backend.h"

int MessageBox(TWindow *owner, std::string_view text, const char *caption, unsigned style) {
  return CurrentBackend().ShowMessageBox(owner, text, caption != nullptr ? caption : "Error",
                                         style);
}
