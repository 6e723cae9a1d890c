#pragma once

// The system clipboard, for plain text: code page 1252 bytes with CR LF line
// ends, which the backend hands over as Unicode text.

#include <string_view>

class TWindow;

class TClipboard {
public:
  // The clipboard, opened for a window.
  explicit TClipboard(TWindow &owner) : owner_(owner) {}

  // Empties the clipboard and puts text on it; false when another program
  // holds it.
  bool SetText(std::string_view text);
  // The same for UTF-8 text.
  bool SetUtf8Text(std::string_view text);

private:
  TWindow &owner_;
};
