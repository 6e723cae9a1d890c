#pragma once

// Marks a text of the interface for the translators where it is declared.
// The text itself stays what it is, English; only the windowed backend looks
// its translation up, when it shows it. lupdate is told to read these as
// QT_TRANSLATE_NOOP and QT_TRANSLATE_NOOP3 (translations/CMakeLists.txt,
// docs/translating.md). The context is the dialog's resource name, or
// "MainMenu", "Messages", "Program".

#define TR_NOOP(context, text) text
// A short text that stands for different words in different places ("S" for
// Sunday and for Saturday): comment tells the places apart.
#define TR_NOOP3(context, text, comment)                                                           \
  { text, comment }
