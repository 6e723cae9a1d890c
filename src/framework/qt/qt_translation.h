#pragma once

// The interface in the desktop's language: the catalogs are chosen once at
// start, and every text the program shows passes through here on its way to
// a widget. Without a catalog for the desktop's language nothing changes:
// the texts are shown as the program wrote them, in English.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

// Loads the first of the desktop's languages (QLocale::uiLanguages: LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG) that has a catalog of ours, English being the
// program's own, with Qt's own catalog for the same language, and makes it
// the default locale. Returns the language ("de"), or "" for English.
QString LoadInterfaceLanguage(const QStringList &languages = QLocale::system().uiLanguages());
// text (marked in context) in the desktop's language as UTF-8, for a
// terminal; it needs no application object and installs nothing, so that
// what is said while the toolkit starts, or instead of starting it, is in
// the language too. English as it is when no catalog matches.
std::string TranslatedBeforeStart(const char *context, const std::string &text);

// The catalogs in use are dropped: English again (for tests).
void UnloadInterfaceLanguage();
// Whether a language other than English is shown.
bool InterfaceTranslated();

// text (code page 1252) in the interface's language; comment tells apart the
// same short text meaning different things.
QString Translated(const char *context, std::string_view text, const char *comment = nullptr);
// A menu item's text: its words translated, the key after the tab kept, and
// a date in it written the language's way.
QString TranslatedMenuText(std::string_view text);
// A window's title, a date in it written the language's way.
QString TranslatedTitle(std::string_view text);
