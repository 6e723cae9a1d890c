#pragma once

// Message boxes owned by a window. The style bits and answers keep the
// values of the system the program was first written for.

#include <string_view>

class TWindow;

inline constexpr unsigned MB_OK = 0x0000;
inline constexpr unsigned MB_YESNO = 0x0004;
inline constexpr unsigned MB_ICONHAND = 0x0010;
inline constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
inline constexpr unsigned MB_ICONQUESTION = 0x0020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
inline constexpr unsigned MB_ICONASTERISK = 0x0040;
inline constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr unsigned MB_ICONMASK = 0x00F0;
inline constexpr unsigned MB_TASKMODAL = 0x2000;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows text with caption (a null caption shows "Error") and the buttons and
// icon of style, owned by owner (may be null); returns the button chosen.
// While the program is closing (close_signals.h) nothing is shown: the answer
// is OK, or No to a question.
int MessageBox(TWindow *owner, std::string_view text, const char *caption, unsigned style);
