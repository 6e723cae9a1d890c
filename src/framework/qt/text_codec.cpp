#include "framework/qt/text_codec.h"

#include <array>

namespace {

// 0x80..0x9F of code page 1252; 0 marks the five unassigned bytes, which are
// passed through as the C1 control of the same number.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Decode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F && HighControls[byte - 0x80] != 0)
    return HighControls[byte - 0x80];
  return byte;
}

} // namespace

QString FromWindows1252(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char byte : bytes)
    text.append(QChar(Decode(static_cast<unsigned char>(byte))));
  return text;
}

std::string ToWindows1252(const QString &text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (QChar c : text) {
    char16_t unit = c.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
      bytes.push_back(static_cast<char>(unit));
      continue;
    }
    char found = '?';
    for (unsigned i = 0; i < HighControls.size(); ++i)
      if (HighControls[i] == unit || (HighControls[i] == 0 && unit == 0x80 + i))
        found = static_cast<char>(0x80 + i);
    bytes.push_back(found);
  }
  return bytes;
}
