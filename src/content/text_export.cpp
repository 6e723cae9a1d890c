#include "content/text_export.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "content/day_entries.h"
#include "content/package_format.h"
#include "platform/code_page_1252.h"
#include "platform/export_file.h"

namespace {

constexpr std::string_view LineEnd = "\r\n";

} // namespace

TextExport::~TextExport() {
  // Ignored on purpose: a file still open here was given up by its owner,
  // whose own Close would have said what went wrong.
  CloseFile();
}

platform::Result<void> TextExport::Create(const std::string &path) {
  CloseFile();
  platform::Result<std::FILE *> created = platform::CreateExportFile(path);
  file_ = created ? *created : nullptr;
  owned_ = true;
  writeError_ = 0;
  if (!created)
    return platform::Failure(created.error());
  return {};
}

void TextExport::Attach(std::FILE *stream) {
  CloseFile();
  file_ = stream;
  owned_ = false;
  writeError_ = 0;
}

void TextExport::AppendEntry(std::string_view title, const TTextPiece &first, char marker,
                             std::string_view trailer) {
  if (file_ == nullptr)
    return;
  Write(title);
  Write(LineEnd);
  // The entry stays one line: a devotional's paragraphs are joined by blanks.
  for (const TTextPiece *piece = &first; piece != nullptr; piece = piece->NextPiece.get()) {
    if (piece->Text.find(ParagraphBreak) == std::string::npos) {
      Write(piece->Text);
      continue;
    }
    std::string line = piece->Text;
    std::replace(line.begin(), line.end(), ParagraphBreak, ' ');
    Write(line);
  }
  if (marker != 0 && (answers_ || marker != package::AnswerMarker)) {
    Write(" ");
    Write(trailer);
  }
  Write(LineEnd);
}

void TextExport::AppendLine(std::string_view line) {
  if (file_ == nullptr)
    return;
  Write(line);
  Write(LineEnd);
}

void TextExport::Write(std::string_view text) {
  if (text.empty() || writeError_ != 0)
    return;
  std::string converted;
  if (!utf8_ && !platform::IsAscii(text))
    converted = platform::ToCp1252(text);
  const std::string_view bytes = converted.empty() ? text : converted;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
    writeError_ = errno != 0 ? errno : EIO;
}

platform::Result<void> TextExport::Close() {
  const int failure = CloseFile();
  if (failure != 0)
    return platform::Failure(std::strerror(failure));
  return {};
}

int TextExport::CloseFile() {
  if (file_ == nullptr)
    return 0;
  // Buffered bytes meet a full disk only here, at the flush.
  if (writeError_ == 0 && std::fflush(file_) != 0)
    writeError_ = errno != 0 ? errno : EIO;
  if (owned_ && std::fclose(file_) != 0 && writeError_ == 0)
    writeError_ = errno != 0 ? errno : EIO;
  file_ = nullptr;
  const int failure = writeError_;
  writeError_ = 0;
  return failure;
}
