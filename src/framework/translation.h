#pragma once

// Texts put together at run time ("The font for Arial could not be
// saved."): the pattern is translated first, then its %1, %2, ... are filled
// in. Fixed texts need none of this: the backend translates menus, dialogs,
// captions and message boxes as it shows them.

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/format_text.h"
#include "platform/translatable.h"

// The translation of source (code page 1252) in context, or source itself
// when the backend shows English. lupdate reads calls of it as
// QT_TRANSLATE_NOOP, so the literal is marked where it is written.
std::string TranslatedText(const char *context, const char *source);
