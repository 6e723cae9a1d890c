#include "framework/qt/text_codec.h"

#include "platform/code_page_1252.h"
#include "platform/utf8.h"

QString FromProgramText(std::string_view text) {
  if (platform::IsUtf8(text))
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const std::string utf8 = platform::ToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToWindows1252(const QString &text) {
  const QByteArray utf8 = text.toUtf8();
  return platform::ToCp1252(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}
