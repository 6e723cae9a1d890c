#include "framework/clipboard.h"

#include "framework/backend.h"

bool TClipboard::SetText(std::string_view text) {
  // The backends hand text over without a window of their own; the owner
  // only says who copies.
  (void)owner_;
  return CurrentBackend().SetClipboardText(text);
}

bool TClipboard::SetUtf8Text(std::string_view text) {
  (void)owner_;
  return CurrentBackend().SetClipboardUtf8(text);
}
