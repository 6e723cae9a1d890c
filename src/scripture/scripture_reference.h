#pragma once

// Taking a Scripture reference out of the day's content, for the Links
// commands and the reading of the day's passages. The reference is not analysed: a piece of text is
// cut at fixed markers and sent as it is; the concordance program reads it.
//
// A cut gives nullopt when the entry cannot be cut soundly: its marker is
// missing, a label has no blank right after it, the morning part has no "/",
// the piece is empty (or nothing but blanks), or it is longer than a
// reference may be (ReferenceLimit).

#include <optional>
#include <string>
#include <string_view>

// The longest reference sent.
inline constexpr std::size_t ReferenceLimit = 39;

// "Morning:" up to the "/", blanks before the "/" dropped.
std::optional<std::string> CutMorningReading(std::string_view text);
// "Evening:" up to the end of the text, kept as it is.
std::optional<std::string> CutEveningReading(std::string_view text);
// The quiz answer's "(" up to ")" or the end, blanks before the end dropped.
std::optional<std::string> CutQuizReference(std::string_view trailer);
// The daily verse's "-" up to the end, blanks at the end dropped.
std::optional<std::string> CutVerseReference(std::string_view trailer);
// The proverb's reference: its whole trailer (the marker already gone, or a
// leading "-" of its own), blanks around it dropped.
std::optional<std::string> CutProverbReference(std::string_view trailer);

// Whether the reference may be sent to a server, inside an execute command
// [GoTo("...")] or as a poke's text alike: a '"', '[' or ']' from package
// text would end the quoted text or the command and let the package give the
// server commands of its own, a '\' would escape the closing quote, and the
// curly double quotes (code page 1252) become '"' in a server that folds
// them. No reference holds any of them.
bool CanBeSent(std::string_view reference);

// Which package the quiz and the daily verse are read from (titles compare
// with regard to case).
bool IsQuizTitle(std::string_view title);
bool IsDailyVerseTitle(std::string_view title);
// A proverb of the day: "Proverb" in its title.
bool IsProverbTitle(std::string_view title);
