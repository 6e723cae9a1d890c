#include "content/marquee_export.h"

#include <algorithm>

#include "content/day_entries.h"
#include "content/package_format.h"
#include "platform/code_page_1252.h"
#include "platform/profile.h"

std::string MarqueeText(const TDayEntry &entry) {
  std::string text = entry.Text;
  // One line in CONTROL.INI: a line end would end the key's value there and
  // make the rest a line of its own.
  std::replace(text.begin(), text.end(), ParagraphBreak, ' ');
  if (entry.Marker == package::AnswerMarker)
    text += "...";
  else if (entry.Marker != 0)
    text += ' ';
  if (entry.Marker != 0)
    text += entry.Trailer;
  // The screen saver reads code page 1252, and its limit is of those bytes.
  text = platform::ToCp1252(text);
  if (text.size() > MarqueeLength)
    text.resize(MarqueeLength);
  return text;
}

platform::Result<void> WriteMarqueeText(const TDayEntry &entry) {
  return platform::WritePrivateProfileString("Screen Saver.Marquee", "Text", MarqueeText(entry),
                                             "CONTROL.INI", platform::ProfileLinks::Refuse);
}
