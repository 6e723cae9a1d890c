#pragma once

// What the device contexts measure and draw as one: a character with the
// characters that join it (combining marks, as the accents and breathings of
// polytonic Greek, the points of Hebrew, and the joiners and variation
// selectors), so that an accent takes no room of its own and is drawn over
// its letter. Text is the program's (platform/code_page_1252.h).

#include <cstddef>
#include <string_view>

// The end of the cluster that starts at text[pos] (pos < text.size()).
std::size_t ClusterEnd(std::string_view text, std::size_t pos);

// Whether the character joins the one before it.
bool JoinsPrevious(char32_t character);

// Whether a character of text is written right to left (Hebrew, Arabic and
// the other scripts of that direction).
bool HasRightToLeft(std::string_view text);
