#include "terminal_text.h"

#include <clocale>
#include <cwchar>
#include <locale.h>

#include "platform/code_page_1252.h"
#include "platform/utf8.h"

namespace qxp {

namespace {

bool IsControl(char32_t character) {
  return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

// The C library's character widths, which follow the Unicode tables of its
// version, in the UTF-8 locale every Debian system has; nothing when it has
// none, and then every character takes one column.
locale_t Utf8Locale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  return locale;
}

} // namespace

std::string TerminalUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
      ++pos;
      continue;
    }
    const char32_t character = platform::NextCharacter(text, pos);
    if (character == '\n')
      out += '\n';
    else
      platform::AppendUtf8(out, IsControl(character) ? U'?' : character);
  }
  return out;
}

int TerminalColumns(char32_t character) {
  if (character < 0x7F)
    return 1;
  const locale_t locale = Utf8Locale();
  if (IsControl(character) || locale == locale_t{})
    return 1;
  const locale_t before = uselocale(locale);
  const int columns = wcwidth(static_cast<wchar_t>(character));
  uselocale(before);
  return columns < 0 ? 1 : columns;
}

} // namespace qxp
